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

}  // namespace
}  // namespace ornival
