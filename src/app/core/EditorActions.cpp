#include "app/core/EditorActions.h"

#include "editor/ViewController.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace ornival {
namespace {

// Menu tags and layers are ints: a number beyond them stands for nothing.
std::optional<int> readInteger(std::string_view text) {
  const std::optional<std::int64_t> value = parseInteger(text);
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
    return std::nullopt;
  return int(*value);
}

// Splits "a:b:c" at its colons.
std::vector<std::string_view> fields(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto colon = text.find(':');
    parts.push_back(text.substr(0, colon));
    if (colon == std::string_view::npos)
      return parts;
    text.remove_prefix(colon + 1);
  }
}

}  // namespace

std::string representedObject(const EditorMenuItem& item) {
  if (item.layer)
    return "layer:" + formatInteger(*item.layer);
  if (!item.kind)
    return {};
  std::string text = "kind:" + formatInteger(item.kind->rawValue());
  if (item.variant)
    text += ":variant:" + formatInteger(*item.variant);
  return text;
}

EditorMenuItem editorMenuItem(const Action& action) {
  EditorMenuItem item;
  item.action = action.name;
  item.tag = action.tag;
  const auto parts = fields(action.representedObject);
  if (parts.size() == 2 && parts[0] == "layer") {
    item.layer = readInteger(parts[1]);
  } else if ((parts.size() == 2 || parts.size() == 4) && parts[0] == "kind") {
    const auto raw = readInteger(parts[1]);
    item.kind = raw ? Shapes::init(*raw) : std::nullopt;
    if (item.kind && parts.size() == 4) {
      item.variant = parts[2] == "variant" ? readInteger(parts[3]) : std::nullopt;
      // Half a pair stands for nothing rather than for the whole kind.
      if (!item.variant)
        item.kind.reset();
    }
  }
  return item;
}

std::vector<MenuItem> menuItems(const std::vector<EditorMenuItem>& items) {
  std::vector<MenuItem> menu;
  menu.reserve(items.size());
  for (const auto& item : items) {
    MenuItem entry;
    entry.title = item.title;
    if (entry.title.empty() && item.variant)
      entry.title = formatText(localized("Menu", "Orientation %1"), {formatInteger(*item.variant + 1)});
    entry.action = item.action;
    entry.tag = item.tag;
    entry.representedObject = representedObject(item);
    entry.checked = item.checked;
    entry.image = item.image;
    entry.picture = item.picture;
    if (!item.submenu.empty()) {
      // The kind's own item comes first in its submenu, as a submenu's title
      // sends nothing.
      MenuItem all = entry;
      all.title = localized("Menu", "All");
      entry.submenu.push_back(std::move(all));
      for (auto& sub : menuItems(item.submenu))
        entry.submenu.push_back(std::move(sub));
      entry.action.clear();
    }
    menu.push_back(std::move(entry));
  }
  return menu;
}

void addEditorActions(ActionTable& table, std::function<ViewController*()> editor) {
  const auto validate = [editor](const Action& action) {
    ViewController* target = editor();
    if (!target)
      return false;
    EditorMenuItem item = editorMenuItem(action);
    return target->validateMenuItem(item);
  };
  const auto add = [&](std::string name, std::function<void(ViewController&, const Action&)> body) {
    table.add(
        std::move(name),
        [editor, body = std::move(body)](const Action& action) {
          if (ViewController* target = editor())
            body(*target, action);
        },
        validate);
  };
  add("delete", [](ViewController& e, const Action&) { e.deleteShapes(); });
  add("cut", [](ViewController& e, const Action&) { e.cut(); });
  add("copy", [](ViewController& e, const Action&) { e.copy(); });
  add("paste", [](ViewController& e, const Action& a) { e.paste(a.tag); });
  add("group", [](ViewController& e, const Action&) { e.group(); });
  add("ungroup", [](ViewController& e, const Action&) { e.ungroup(); });
  add("invertColors", [](ViewController& e, const Action&) { e.invertColors(); });
  add("mirror", [](ViewController& e, const Action&) { e.mirror(); });
  add("selectAll", [](ViewController& e, const Action&) { e.selectAll(); });
  add("huggingSquare", [](ViewController& e, const Action&) { e.huggingSquare(); });
  add("showDimension", [](ViewController& e, const Action&) { e.showDimension(); });
  add("changeColors", [](ViewController& e, const Action&) { e.changeColors(); });
  add("newTab", [](ViewController& e, const Action&) { e.newTab(); });
  add("selectShapes", [](ViewController& e, const Action& a) {
    const EditorMenuItem item = editorMenuItem(a);
    if (item.kind && !item.layer)
      e.selectShapes(*item.kind, item.variant);
  });
  add("selectLayer", [](ViewController& e, const Action& a) {
    const EditorMenuItem item = editorMenuItem(a);
    if (item.layer)
      e.selectLayer(*item.layer);
  });
  // The relief's switch and the current tools show check marks.
  const auto checked = [editor](const Action& action) {
    ViewController* target = editor();
    if (!target)
      return false;
    EditorMenuItem item = editorMenuItem(action);
    target->validateMenuItem(item);
    return item.checked;
  };
  table.setCheck("showDimension", checked);
  table.setCheck("selectTool", checked);
}

}  // namespace ornival
