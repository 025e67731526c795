#pragma once

#include <string>

class QAction;

namespace ornival {

// Gives an Examples menu item the thumbnail of its file as its icon, once
// drawn: flat examples on the export queue, relief ones on the main thread,
// which alone may touch the tiles' shared materials. The icon never comes
// when the file cannot be shown or the item is gone first.
void requestExampleIcon(QAction& action, const std::string& file);

}  // namespace ornival
