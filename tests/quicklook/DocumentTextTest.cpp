#include "quicklook/DocumentText.h"

#include "document/OrnivalModel.h"
#include "support/ExportDocuments.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ornival {
namespace {

using namespace std::string_literals;

TEST(DocumentTextTest, DecodesByByteOrderMarkElseUtf8ElseLatin1) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"UTF-8 as it is", "Ornival \xC3\xA9\xE2\x82\xAC", "Ornival \xC3\xA9\xE2\x82\xAC"},
      {"UTF-8 mark kept for the reader", "\xEF\xBB\xBFOr", "\xEF\xBB\xBFOr"},
      {"UTF-16 little-endian", "\xFF\xFEO\0\xE9\0\xAC\x20"s, "O\xC3\xA9\xE2\x82\xAC"},
      {"UTF-16 big-endian", "\xFE\xFF\0O\0\xE9"s, "O\xC3\xA9"},
      {"UTF-16 surrogate pair", "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80"},
      {"UTF-16 lone surrogate and odd byte", "\xFF\xFE\x3D\xD8O\0X"s, "\xEF\xBF\xBDO\xEF\xBF\xBD"},
      {"UTF-32 little-endian", "\xFF\xFE\0\0O\0\0\0\xE9\0\0\0"s, "O\xC3\xA9"},
      {"UTF-32 big-endian past the last code point", "\0\0\xFE\xFF\0\0\0O\0\x11\0\0"s, "O\xEF\xBF\xBD"},
      {"Latin-1", "Ornival \xE9t\xE9", "Ornival \xC3\xA9t\xC3\xA9"},
      {"overlong UTF-8 is Latin-1", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"UTF-8 surrogate is Latin-1", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
      {"empty", "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(decodedDocumentText(c.bytes), c.text) << c.name;
}

class DocumentFileTest : public ::testing::Test {
protected:
  testing::TemporaryFolder folder{"ornival-document-file"};

  std::string write(const std::string& name, const std::string& bytes) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
};

TEST_F(DocumentFileTest, ReadsADocumentInAnyEncodingAlike) {
  const std::string text = testing::documentText("7,0\n0,1,7,3,0\n", "backgroundColor: 3A5A8CFF\n");
  std::string utf16 = "\xFF\xFE";
  for (const char c : text)
    utf16 += std::string{c, '\0'};
  for (const auto& bytes : {text, utf16}) {
    DocumentFileError error = DocumentFileError::unreadable;
    const auto model = readDocumentFile(write("a.ornival", bytes), error);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(error, DocumentFileError::none);
    EXPECT_EQ(model->shapes.size(), 2u);
    EXPECT_EQ(model->settings.backgroundColor, (Color{0x3A / 255.0, 0x5A / 255.0, 0x8C / 255.0, 1.0}));
  }
}

TEST_F(DocumentFileTest, RefusesWhatCannotBeReadOrIsNoDocumentOrIsTooLarge) {
  DocumentLimits limits;
  limits.maxBytes = 4096;
  limits.maxLines = 40;
  limits.maxTiles = 20;
  std::string chain30 = "7,0\n";
  for (int k = 0; k < 29; ++k)
    chain30 += std::to_string(k) + ",1,7,3,0\n";
  std::string chain19 = "7,0\n";
  for (int k = 0; k < 18; ++k)
    chain19 += std::to_string(k) + ",1,7,3,0\n";
  const struct {
    const char* name;
    std::string path;
    DocumentFileError error;
  } cases[] = {
      {"missing", (folder / "missing.ornival").string(), DocumentFileError::unreadable},
      {"a folder", folder.path().string(), DocumentFileError::unreadable},
      {"over the byte limit", write("big", testing::documentText() + std::string(4096, '\n')),
       DocumentFileError::tooLarge},
      {"a link to a device", (folder / "zero.ornival").string(), DocumentFileError::unreadable},
      {"no header", write("plain.txt", "shapes:\n7,0\n"), DocumentFileError::notDocument},
      {"binary", write("bin", "\x89PNG\r\n\x1A\n\0\0"s), DocumentFileError::notDocument},
      {"over the line limit", write("lines", testing::documentText() + std::string(40, '\n')),
       DocumentFileError::tooLarge},
      {"over the tile limit", write("tiles", testing::documentText(chain30)), DocumentFileError::tooLarge},
      {"at the limits", write("fits", testing::documentText(chain19)), DocumentFileError::none},
  };
  std::filesystem::create_symlink("/dev/zero", folder / "zero.ornival");
  for (const auto& c : cases) {
    DocumentFileError error = DocumentFileError::none;
    const auto model = readDocumentFile(c.path, error, limits);
    EXPECT_EQ(error, c.error) << c.name;
    EXPECT_EQ(model != nullptr, c.error == DocumentFileError::none) << c.name;
  }
}

}  // namespace
}  // namespace ornival
