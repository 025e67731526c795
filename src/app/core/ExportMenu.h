#pragma once

#include "app/core/Menu.h"

#include <vector>

namespace ornival {

// The items of the File menu's 3D export submenu: one "export" item a scene
// format this program can write, its tag the format's number. Formats that
// cannot be written here (abc, usdc, scn) have no item.
std::vector<MenuItem> sceneExportMenu();

}  // namespace ornival
