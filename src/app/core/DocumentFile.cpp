#include "app/core/DocumentFile.h"

#include "document/Document.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/UndoManager.h"

#include <sys/xattr.h>

#include <algorithm>
#include <limits>

namespace ornival {

TextKind readDocument(Document& document, std::string_view text, ReadCounts* counts) {
  const auto model = OrnivalModel::create();
  const TextKind kind = model->read(text);
  if (kind != TextKind::document)
    return kind;
  if (counts)
    *counts = {model->tileLines, model->shapes.size()};
  const auto& undo = document.undoManager();
  if (undo)
    undo->disableUndoRegistration();
  document.model = model->shapes;
  document.applyFileSettings(model->settings);
  if (undo)
    undo->enableUndoRegistration();
  return kind;
}

std::string refusalMessage(TextKind kind, const std::string& displayName) {
  switch (kind) {
    case TextKind::document: return {};
    case TextKind::notUtf8:
      return formatText(localized("Document", "The file “%1” is not an Ornival document: it is not UTF-8 text."),
                        {displayName});
    case TextKind::notDocument:
      return formatText(
          localized("Document", "The file “%1” is not an Ornival document: it has no “Ornival” header line."),
          {displayName});
  }
  return {};
}

std::string readRefusalMessage(const FileContents& contents, const std::string& displayName) {
  switch (contents.refusal) {
    case ReadRefusal::none: return {};
    case ReadRefusal::notRegular:
      return formatText(
          localized("Document", "“%1” could not be opened: it is not a file but a device, a pipe or a socket."),
          {displayName});
    case ReadRefusal::tooLarge: {
      // Named apart: lupdate cannot read a shift among a text's arguments.
      const int megabytes = int(largestDocumentBytes / (1024 * 1024));
      return formatText(localized("Document",
                                  "“%1” could not be opened: it is larger than %n MB, far more than any Ornival "
                                  "document.",
                                  nullptr, megabytes),
                        {displayName});
    }
    case ReadRefusal::system:
    case ReadRefusal::directory: break;
  }
  return formatText(localized("Document", "“%1” could not be opened: %2."), {displayName, contents.reason()});
}

std::string incompleteReadNotice(const ReadCounts& counts, const std::string& displayName) {
  // A file of one tile that could not be read has a sentence of its own:
  // English has no plural form to spare.
  if (counts.tileLines == 1)
    return formatText(localized("Document", "The one tile in “%1” could not be read and was left out. Ornival "
                                            "will not save over the file by itself, and asks before you save over "
                                            "it."),
                      {displayName});
  const int lines = int(std::min<std::size_t>(counts.tileLines, std::size_t(std::numeric_limits<int>::max())));
  return formatText(localized("Document",
                              "Only %1 of the %n tiles in “%2” could be read; the others were left out. Ornival "
                              "will not save over the file by itself, and asks before you save over it.",
                              nullptr, lines),
                    {formatInteger(std::int64_t(counts.tiles)), displayName});
}

std::vector<std::string> documentTags(const std::vector<int>& counts) {
  std::vector<std::string> tags{"Ornival"};
  for (const Shapes kind : Shapes::allButLast()) {
    const auto index = std::size_t(kind.rawValue());
    if (index < counts.size() && counts[index] >= 1)
      tags.push_back(Shapes::figures()[index - 1]->name());
  }
  return tags;
}

namespace {

constexpr const char* tagsAttribute = "user.xdg.tags";
// File managers split the attribute at every comma and know no escape, so a
// comma inside a tag is written as the low quotation mark that looks like
// one, and read back as a comma.
constexpr std::string_view commaInTag = "\u201A";

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

bool writeFileTags(const std::filesystem::path& file, const std::vector<std::string>& tags) {
  std::string value;
  for (const std::string& tag : tags) {
    if (!value.empty())
      value += ',';
    value += replaced(tag, ",", commaInTag);
  }
  return ::setxattr(file.c_str(), tagsAttribute, value.data(), value.size(), 0) == 0;
}

std::vector<std::string> readFileTags(const std::filesystem::path& file) {
  const ssize_t size = ::getxattr(file.c_str(), tagsAttribute, nullptr, 0);
  if (size <= 0)
    return {};
  std::string value(std::size_t(size), '\0');
  const ssize_t read = ::getxattr(file.c_str(), tagsAttribute, value.data(), value.size());
  if (read < 0)
    return {};
  value.resize(std::size_t(read));
  std::vector<std::string> tags;
  std::size_t start = 0;
  while (start <= value.size()) {
    const std::size_t comma = value.find(',', start);
    const std::size_t end = comma == std::string::npos ? value.size() : comma;
    if (end > start)
      tags.push_back(replaced(value.substr(start, end - start), commaInTag, ","));
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
  return tags;
}

}  // namespace ornival
