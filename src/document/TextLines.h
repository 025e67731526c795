#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace ornival {

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// Calls line(text) for every line of UTF-8 text, without its terminator.
// Lines end at LF, CR, CR LF, U+2028 and U+2029, and also at U+0085 (NEL),
// which Unicode counts among the line terminators and which text from older
// systems may carry where another program would end the line. A terminator at
// the very end does not open another, empty line. A byte-order mark at the
// start is not part of the first line.
void forEachLine(std::string_view text, const std::function<void(std::string_view)>& line);

// The document's first line starts with the header; a version 0.1 file
// reads its placements the older way. A setting's name and value stand on
// either side of the separator.
inline constexpr std::string_view documentHeader = "Ornival";
inline constexpr std::string_view documentVersion01 = "Ornival 0.1";
inline constexpr std::string_view settingSeparator = ": ";

// The fields of text between separators, as views into text; the list is
// reused so that reading a large document allocates it once.
void splitFields(std::string_view text, char separator, std::vector<std::string_view>& into);

}  // namespace ornival
