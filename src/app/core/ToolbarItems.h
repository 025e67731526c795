#pragma once

#include "figures/catalogue/Shapes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// What the document window's toolbar may hold, as identifiers: the named
// items, the spaces, and one tool per catalogue figure but the last.
//
// A tool is identified by its figure's number, not its name: two figures may
// share a name, and each needs an item of its own.
namespace toolbarItem {
inline constexpr std::string_view shapes = "Shapes";
inline constexpr std::string_view color = "Color";
inline constexpr std::string_view border = "Border";
inline constexpr std::string_view dimension = "Dimension";
inline constexpr std::string_view count = "Count";
inline constexpr std::string_view scale = "Scale";
inline constexpr std::string_view rotate = "Rotate";
inline constexpr std::string_view share = "Share";
inline constexpr std::string_view space = "Space";
inline constexpr std::string_view flexibleSpace = "FlexibleSpace";
}  // namespace toolbarItem

// "Figure 653" for the tool of figure 653.
std::string toolIdentifier(Shapes kind);
// The figure of a tool identifier; none for any other text, multi included.
std::optional<Shapes> toolOfIdentifier(std::string_view identifier);

// Every item the toolbar may hold, each once: the spaces, the named items,
// then the tools in catalogue order.
const std::vector<std::string>& allowedToolbarItems();
// The toolbar a new window has.
const std::vector<std::string>& defaultToolbarItems();
// The tools, which select: position i holds figure i + 1.
const std::vector<std::string>& selectableToolbarItems();

// The dimension button's title: "3D" for 3, "2D" for anything else.
std::string dimensionTitle(int dimension);

// A saved toolbar read back: the allowed identifiers in their saved order,
// each once; unknown ones dropped. An empty or unreadable list gives the
// default toolbar.
std::vector<std::string> restoredToolbarItems(const std::vector<std::string>& saved);

}  // namespace ornival
