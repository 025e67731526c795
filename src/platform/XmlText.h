#pragma once

#include <string>
#include <string_view>

namespace ornival {

// The text with the characters that would end an XML element or a quoted
// attribute (& < > ") written as entities: safe in either place.
std::string xmlEscaped(std::string_view text);

}  // namespace ornival
