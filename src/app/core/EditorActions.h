#pragma once

#include "app/core/ActionRouter.h"
#include "app/core/Menu.h"
#include "editor/EditorMenuItem.h"

#include <functional>
#include <string>
#include <vector>

namespace ornival {

class ViewController;

// The editor's edit, selection and view commands as entries of the window's
// first action table, each validated by the editor. editor gives the window's
// editor, or none while it has none (the commands then do nothing).
void addEditorActions(ActionTable& table, std::function<ViewController*()> editor);

// What a select or layer menu item stands for, as the plain menus carry it:
// "kind:12", "kind:12:variant:3" or "layer:-2"; empty for nothing.
std::string representedObject(const EditorMenuItem& item);
// The editor's view of an item that was sent: its action, tag and what it
// stands for; a represented object of another form stands for nothing.
EditorMenuItem editorMenuItem(const Action& action);
// The editor's select or layer menu as plain menu items. An orientation's
// item without a title is titled with its orientation class.
std::vector<MenuItem> menuItems(const std::vector<EditorMenuItem>& items);

}  // namespace ornival
