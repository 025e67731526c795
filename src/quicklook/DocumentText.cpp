#include "quicklook/DocumentText.h"

#include "document/OrnivalModel.h"
#include "platform/RegularFile.h"

#include <algorithm>
#include <cstdint>

namespace ornival {

namespace {

constexpr char32_t replacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
    c = replacement;
  if (c < 0x80) {
    out.push_back(char(c));
  } else if (c < 0x800) {
    out.push_back(char(0xC0 | (c >> 6)));
    out.push_back(char(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(char(0xE0 | (c >> 12)));
    out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(char(0x80 | (c & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (c >> 18)));
    out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(char(0x80 | (c & 0x3F)));
  }
}

bool startsWith(std::string_view bytes, std::initializer_list<unsigned char> mark) {
  return bytes.size() >= mark.size() &&
         std::equal(mark.begin(), mark.end(), bytes.begin(), [](unsigned char m, char b) { return m == (unsigned char)b; });
}

std::uint32_t unit(std::string_view bytes, std::size_t at, int size, bool bigEndian) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) {
    const auto byte = std::uint32_t((unsigned char)bytes[at + std::size_t(bigEndian ? i : size - 1 - i)]);
    value = (value << 8) | byte;
  }
  return value;
}

std::string fromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i + 2 <= bytes.size()) {
    const std::uint32_t first = unit(bytes, i, 2, bigEndian);
    i += 2;
    if (first >= 0xD800 && first <= 0xDBFF && i + 2 <= bytes.size()) {
      const std::uint32_t second = unit(bytes, i, 2, bigEndian);
      if (second >= 0xDC00 && second <= 0xDFFF) {
        i += 2;
        appendUtf8(out, char32_t(0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00)));
        continue;
      }
    }
    appendUtf8(out, char32_t(first));
  }
  if (i < bytes.size())
    appendUtf8(out, replacement);
  return out;
}

std::string fromUtf32(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size() / 2);
  std::size_t i = 0;
  for (; i + 4 <= bytes.size(); i += 4)
    appendUtf8(out, char32_t(unit(bytes, i, 4, bigEndian)));
  if (i < bytes.size())
    appendUtf8(out, replacement);
  return out;
}

bool isUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = (unsigned char)bytes[i];
    int length = 0;
    char32_t value = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
      value = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      value = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      value = c & 0x07;
    } else {
      return false;
    }
    if (i + std::size_t(length) > bytes.size())
      return false;
    for (int k = 1; k < length; ++k) {
      const auto next = (unsigned char)bytes[i + std::size_t(k)];
      if ((next & 0xC0) != 0x80)
        return false;
      value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point.
    if ((length == 3 && value < 0x800) || (length == 4 && value < 0x10000) || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF))
      return false;
    i += std::size_t(length);
  }
  return true;
}

}  // namespace

std::string decodedDocumentText(std::string_view bytes) {
  // UTF-32's little-endian mark begins with UTF-16's: the longer one first.
  if (startsWith(bytes, {0xFF, 0xFE, 0x00, 0x00}))
    return fromUtf32(bytes.substr(4), false);
  if (startsWith(bytes, {0x00, 0x00, 0xFE, 0xFF}))
    return fromUtf32(bytes.substr(4), true);
  if (startsWith(bytes, {0xFF, 0xFE}))
    return fromUtf16(bytes.substr(2), false);
  if (startsWith(bytes, {0xFE, 0xFF}))
    return fromUtf16(bytes.substr(2), true);
  if (isUtf8(bytes))
    return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char byte : bytes)
    appendUtf8(out, char32_t((unsigned char)byte));
  return out;
}

std::shared_ptr<OrnivalModel> readDocumentFile(const std::string& path, DocumentFileError& error,
                                               const DocumentLimits& limits) {
  error = DocumentFileError::unreadable;
  // Never a pipe or a device: the file manager's helper would wait or read
  // for ever.
  const FileContents file = readRegularFile(path, limits.maxBytes);
  if (file.refusal == ReadRefusal::tooLarge)
    error = DocumentFileError::tooLarge;
  if (!file.ok())
    return nullptr;
  return readDocumentText(decodedDocumentText(file.bytes), error, limits);
}

std::shared_ptr<OrnivalModel> readDocumentText(std::string_view text, DocumentFileError& error,
                                               const DocumentLimits& limits) {
  if (std::size_t(std::count(text.begin(), text.end(), '\n')) > limits.maxLines) {
    error = DocumentFileError::tooLarge;
    return nullptr;
  }
  auto model = OrnivalModel::create();
  if (model->read(text) != TextKind::document) {
    error = DocumentFileError::notDocument;
    return nullptr;
  }
  if (model->shapes.size() > limits.maxTiles) {
    error = DocumentFileError::tooLarge;
    return nullptr;
  }
  error = DocumentFileError::none;
  return model;
}

}  // namespace ornival
