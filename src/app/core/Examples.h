#pragma once

#include "app/core/Menu.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// The title of an example from its file name and extension: the extension
// taken out, anything up to the first "-" dropped (a sort prefix), a blank
// before each capital or digit that follows a small letter, a "0" after a
// small letter dropped, blanks and tabs trimmed, and the result looked up in
// the text table. "03-HouseOfTiles.ornival" is "House Of Tiles", "Star05" is
// "Star 5"; an empty title makes a separator.
std::string exampleTitle(std::string_view fileName, std::string_view extension);

// The Examples menu over a folder: its entries sorted by their file URL text,
// each document an item sending openExample with the file as represented
// object, each other entry a submenu of the documents in the folder of that
// name. A folder that cannot be listed gives no items (or an empty submenu).
std::vector<MenuItem> makeExamplesMenu(const std::filesystem::path& folder);

// The examples folder: beside the executable in the build tree, else the
// installed data folder. Empty when neither exists.
std::filesystem::path examplesFolder(const std::filesystem::path& executable);

// The first example document the menu would list, for starting with one open;
// empty when there is none.
std::filesystem::path firstExample(const std::filesystem::path& folder);

}  // namespace ornival
