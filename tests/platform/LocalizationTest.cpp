#include "platform/Localization.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ornival {
namespace {

// A German of two words, with the count's plural form picked as German does.
std::string german(const char* context, const char* english, const char*, int count) {
  if (std::strcmp(context, "Undo") == 0 && std::strcmp(english, "Change Metalness") == 0)
    return "Metallizität ändern";
  if (std::strcmp(context, "Catalogue") == 0 && std::strcmp(english, "Polygons with %n Edges") == 0)
    return count == 1 ? "Vieleck mit einer Kante" : "Vielecke mit " + std::to_string(count) + " Kanten";
  return english;
}

TEST(Localization, LooksUpThroughTheInstalledLookupAndKeepsEnglishWithout) {
  EXPECT_EQ(localized("Undo", "Change Metalness"), "Change Metalness");
  EXPECT_EQ(localized("Catalogue", "Polygons with %n Edges", nullptr, 12), "Polygons with 12 Edges");
  EXPECT_EQ(localized("Catalogue", "%n of %n", nullptr, 0), "0 of 0");
  // Without a count a %n is no marker.
  EXPECT_EQ(localized("Catalogue", "100%n"), "100%n");
  setTextLookup(&german);
  EXPECT_EQ(localized("Undo", "Change Metalness"), "Metallizität ändern");
  EXPECT_EQ(localized("Menu", "Change Metalness"), "Change Metalness");  // another context
  EXPECT_EQ(localized("Catalogue", "Polygons with %n Edges", nullptr, 1), "Vieleck mit einer Kante");
  setTextLookup(nullptr);
  EXPECT_EQ(localized("Undo", "Change Metalness"), "Change Metalness");
}

TEST(Localization, FormatTextFillsEachMarkerOnceInAnyOrder) {
  struct Case {
    std::string_view pattern;
    std::initializer_list<std::string_view> arguments;
    std::string_view expected;
  };
  const Case cases[] = {
      {"The file “%1” could not be opened.", {"a.ornival"}, "The file “a.ornival” could not be opened."},
      {"%2 before %1", {"one", "two"}, "two before one"},
      // An argument's markers are text, not markers to fill again.
      {"“%1” could not be opened: %2.", {"a%2.ornival", "Is a directory"},
       "“a%2.ornival” could not be opened: Is a directory."},
      {"%1%1", {"ab"}, "abab"},
      // Markers without an argument, and a lone % at the end, stay.
      {"%1 %3 100%", {"a"}, "a %3 100%"},
      {"%0 %%1", {"a"}, "%0 %a"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatText(c.pattern, c.arguments), c.expected) << c.pattern;
}

}  // namespace
}  // namespace ornival
