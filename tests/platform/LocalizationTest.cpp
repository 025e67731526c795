#include "platform/Localization.h"

#include <gtest/gtest.h>

#include <map>

namespace ornival {
namespace {

struct GermanTable : TextTable {
  std::map<std::string, std::string, std::less<>> words{{"Change Metalness", "Metallizität ändern"}};
  std::optional<std::string> text(std::string_view english) const override {
    const auto it = words.find(english);
    return it == words.end() ? std::nullopt : std::optional(it->second);
  }
};

TEST(Localization, ShowsTheTableTextAndEnglishWhereItHasNone) {
  EXPECT_EQ(localized("Change Metalness"), "Change Metalness");
  setTextTable(std::make_shared<GermanTable>());
  EXPECT_EQ(localized("Change Metalness"), "Metallizität ändern");
  EXPECT_EQ(localized("Scale: "), "Scale: ");
  setTextTable(nullptr);
  EXPECT_EQ(localized("Change Metalness"), "Change Metalness");
}

// Sentences are looked up whole and filled after, so that a translation can
// move the places; a place inside an argument is left alone.
TEST(Localization, FillsThePlacesOfAWholeSentence) {
  struct Table : TextTable {
    std::optional<std::string> text(std::string_view english) const override {
      if (english == "%1 of %n tile(s) in “%2” could be read.")
        return "In „%2“ waren %1 von %n Kacheln lesbar.";
      return std::nullopt;
    }
  };
  EXPECT_EQ(localized("“%1” could not be opened: %2.", {"a%2.ornival", "Is a directory"}),
            "“a%2.ornival” could not be opened: Is a directory.");
  EXPECT_EQ(localizedCount("%1 of %n tile(s) in “%2” could be read.", 223, {"4", "Field"}),
            "4 of 223 tiles in “Field” could be read.");
  EXPECT_EQ(localizedCount("%1 of %n tile(s) in “%2” could be read.", 1, {"0", "Field"}),
            "0 of 1 tile in “Field” could be read.");
  setTextTable(std::make_shared<Table>());
  EXPECT_EQ(localizedCount("%1 of %n tile(s) in “%2” could be read.", 223, {"4", "Field"}),
            "In „Field“ waren 4 von 223 Kacheln lesbar.");
  setTextTable(nullptr);
}

}  // namespace
}  // namespace ornival
