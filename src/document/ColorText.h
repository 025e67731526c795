#pragma once

#include "platform/Color.h"

#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// The texts of a colour: the eight-digit form documents store, the six-digit
// form and the opacity of SVG drawings, and the reading of the stored form.

// RRGGBBAA in upper-case hexadecimal, each component times 255 and rounded
// (halves away from zero); exactly "0" for transparent black. Components
// outside 0…1 (colours from a wider gamut) are clamped, so the text always
// has eight digits; a component that is not a number makes the colour
// unconvertible, written "00000000".
std::string hexString(const Color& color);

// The stored form read back: a hexadecimal number scanned from the start
// (leading blanks skipped, an optional "0x" or "0X", up to the first other
// character; no digits read as 0), its low 32 bits taken as RRGGBBAA. Never
// fails: text without digits gives transparent black.
Color colorWithHex(std::string_view text);

// Ascending by hexString, character by character ("0" before "00000000",
// digits before letters). Colours with the same text keep their order.
void sortByHexString(std::vector<Color>& colors);

// "RRGGBB" for SVG, clamped like hexString; "000000" when not convertible.
std::string rgbHexString(const Color& color);

// The alpha as "%.4g" would print it in the C locale; "1" when the colour is
// not convertible.
std::string opacityString(const Color& color);

}  // namespace ornival
