#include "document/ColorText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ornival {
namespace {

TEST(ColorText, WritesEightSixAndOpacityForms) {
  struct Case {
    Color color;
    const char* hex;
    const char* rgb;
    const char* opacity;
  };
  const Case cases[] = {
      {Color::white(), "FFFFFFFF", "FFFFFF", "1"},
      {Color::clear(), "0", "000000", "0"},
      {{0.0, 0.0, 0.0, 1e-9}, "00000000", "000000", "1e-09"},
      // Halves round away from zero: 0.5 · 255 = 127.5.
      {{0.5, 0.1, 0.3, 0.5}, "801A4D80", "801A4D", "0.5"},
      {{double(0.1f), double(0.3f), double(0.8f), 0.0}, "1A4DCC00", "1A4DCC", "0"},
      {{1.0 / 3.0, 0.0, 0.0, 2.0 / 3.0}, "550000AA", "550000", "0.6667"},
      // Wide-gamut components are clamped to two digits each.
      {{1.25, -0.5, 0.0, 1.0}, "FF0000FF", "FF0000", "1"},
      {{std::nan(""), 0.0, 0.0, 1.0}, "00000000", "000000", "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hexString(c.color), c.hex) << c.hex;
    EXPECT_EQ(rgbHexString(c.color), c.rgb) << c.hex;
    EXPECT_EQ(opacityString(c.color), c.opacity) << c.hex;
  }
}

TEST(ColorText, ReadsAHexadecimalScanThatNeverFails) {
  struct Case {
    const char* text;
    const char* hex;
  };
  const Case cases[] = {
      {"FF0000FF", "FF0000FF"},  {"ff0000ff", "FF0000FF"}, {"0", "0"},           {"00000000", "0"},
      {"", "0"},                 {"xyz", "0"},             {"0x", "0"},          {" \t0x00FF00FFzz", "00FF00FF"},
      {"0X1", "00000001"},       {"123", "00000123"},      {"-FF", "0"},         {"1FF0000FF", "FF0000FF"},
      {"FFFFFFFFFFFFFFFFFF", "FFFFFFFF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hexString(colorWithHex(c.text)), c.hex) << '"' << c.text << '"';
  // What is written reads back as the same colour.
  for (int v : {0, 1, 127, 128, 254, 255}) {
    const Color c{v / 255.0, (255 - v) / 255.0, v / 255.0, v / 255.0};
    EXPECT_EQ(colorWithHex(hexString(c)), c);
  }
}

TEST(ColorText, SortsByTheWrittenText) {
  std::vector<Color> colors{Color::white(), {1.0, 0.0, 0.0, 1.0}, Color::clear(), {0.0, 0.0, 0.0, 1e-9},
                            {0.0, 0.0, 1.0, 1.0}};
  sortByHexString(colors);
  std::vector<std::string> texts;
  for (const Color& c : colors)
    texts.push_back(hexString(c));
  EXPECT_EQ(texts, (std::vector<std::string>{"0", "00000000", "0000FFFF", "FF0000FF", "FFFFFFFF"}));
}

}  // namespace
}  // namespace ornival
