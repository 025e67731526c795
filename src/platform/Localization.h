#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translators' catalogue where it is kept, in a table or
// a field, to be looked up later with localized() under the same context. The
// text itself is what it gives.
#define ORNIVAL_TEXT(context, text) text

namespace ornival {

// The text shown for an English text in a context; `count` is not negative
// for a text with %n, which it fills and whose plural form it picks. Installed
// by the program over its translation; without one every text stays English.
using TextLookup = std::string (*)(const char* context, const char* english, const char* disambiguation, int count);

// Installs the process-wide lookup; none goes back to English. Any thread.
void setTextLookup(TextLookup lookup);

// The text the user sees for an English text (the key) in a context: whole
// sentences, with %1, %2… for what is filled in (formatText) and %n for a
// count. The translators' catalogue is gathered from these calls and from
// ORNIVAL_TEXT, so the texts are literals wherever they can be. Any thread.
std::string localized(const char* context, const char* english, const char* disambiguation = nullptr,
                      int count = -1);

// The pattern with %1 … %9 replaced by the arguments in one pass: an
// argument's own % signs stay as they are. A marker without an argument
// stays.
std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace ornival
