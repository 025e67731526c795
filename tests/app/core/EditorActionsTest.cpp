#include "app/core/EditorActions.h"

#include "model/MultiShape.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

TEST(EditorActions, WhatAnItemStandsForSurvivesThePlainMenus) {
  struct Case {
    std::string text;
    std::optional<Shapes> kind;
    std::optional<int> variant;
    std::optional<int> layer;
  };
  const Case cases[] = {
      {"kind:7", Shapes::square, std::nullopt, std::nullopt},
      {"kind:7:variant:3", Shapes::square, 3, std::nullopt},
      {"layer:-2", std::nullopt, std::nullopt, -2},
      // Anything else stands for nothing.
      {"kind:0", std::nullopt, std::nullopt, std::nullopt},
      {"kind:7:variant:", std::nullopt, std::nullopt, std::nullopt},
      {"kind:7:colour:3", std::nullopt, std::nullopt, std::nullopt},
      {"layer:2x", std::nullopt, std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const EditorMenuItem item = editorMenuItem({"selectShapes", 0, c.text});
    EXPECT_EQ(item.kind, c.kind);
    EXPECT_EQ(item.variant, c.variant);
    EXPECT_EQ(item.layer, c.layer);
    if (c.kind || c.layer)
      EXPECT_EQ(representedObject(item), c.text);
  }
}

TEST(EditorActions, TheEditorsCommandsAreRoutedAndValidatedByTheEditor) {
  MultiShape::resetCurrent();
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::triangle}});
  harness.hover({500.0, 500.0});
  ActionTable editor;
  addEditorActions(editor, [&] { return harness.editor.get(); });
  ActionRouter router;
  router.setChain({&editor});

  std::vector<MenuItem> menu(3);
  menu[0].action = "paste";
  menu[1].action = "showDimension";
  menu[2].action = "selectAll";
  router.validate(menu);
  EXPECT_FALSE(menu[0].enabled);
  EXPECT_TRUE(menu[1].enabled);
  EXPECT_TRUE(menu[2].enabled);

  harness.event([&] { router.send({"selectAll", 0, {}}); });
  harness.event([&] { router.send({"copy", 0, {}}); });
  EXPECT_EQ(harness.editor->selectedTools, ToolSet{Shapes::multi});
  // The group tool already is the clipboard's group.
  EXPECT_FALSE(router.validate({"paste", 0, {}}));
  harness.event([&] { router.send({"selectTool", Shapes::square.rawValue(), {}}); });
  harness.editor->selectedTools = {Shapes::square};
  EXPECT_TRUE(router.validate({"paste", 0, {}}));
  harness.event([&] { router.send({"paste", 1, {}}); });
  EXPECT_EQ(harness.editor->selectedTools, (ToolSet{Shapes::square, Shapes::multi}));

  // The select menu as the window shows it: the kind's own item leads its
  // submenu of orientations, and each item sends what it stands for.
  std::vector<EditorMenuItem> items;
  harness.editor->updateSelectMenu(items);
  const auto plain = menuItems(items);
  ASSERT_EQ(plain.size(), 1u);
  ASSERT_EQ(plain[0].submenu.size(), 2u);
  EXPECT_TRUE(plain[0].action.empty());
  EXPECT_EQ(plain[0].submenu[0].representedObject, "kind:7");
  EXPECT_FALSE(plain[0].submenu[1].title.empty());
  harness.event([&] {
    harness.input->flags = {.option = true};
    router.send({"selectAll", 0, {}});
    harness.input->flags = {};
  });
  const MenuItem& all = plain[0].submenu[0];
  harness.event([&] { router.send({all.action, all.tag, all.representedObject}); });
  for (const auto& tile : harness.editor->graph().shapes())
    EXPECT_TRUE(tile->marked);
  MultiShape::resetCurrent();
}

TEST(EditorActions, TheReliefSwitchAndTheCurrentToolsCarryCheckMarksAndTheSelectMenuItsPictures) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::triangle}});
  ActionTable editor;
  editor.add("selectTool", [](const Action&) {});
  addEditorActions(editor, [&] { return harness.editor.get(); });
  ActionRouter router;
  router.setChain({&editor});

  std::vector<MenuItem> menu(4);
  menu[0].action = "showDimension";
  menu[1].action = "selectTool";
  menu[1].tag = Shapes::triangle.rawValue();
  menu[2].action = "selectTool";
  menu[2].tag = Shapes::square.rawValue();
  menu[3].action = "selectAll";
  router.validate(menu);
  EXPECT_FALSE(menu[0].checked);
  EXPECT_TRUE(menu[1].checked);
  EXPECT_FALSE(menu[2].checked);
  // An item that never shows a mark has no check state at all.
  EXPECT_EQ(router.checkState({"selectAll", 0, {}}), std::nullopt);
  harness.command([](ViewController& e) { e.showDimension(); });
  EXPECT_EQ(router.checkState({"showDimension", 0, {}}), std::optional<bool>(true));

  std::vector<EditorMenuItem> items;
  harness.editor->updateSelectMenu(items);
  const auto plain = menuItems(items);
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_NE(plain[0].image, nullptr);
  ASSERT_EQ(plain[0].submenu.size(), 2u);
  ASSERT_TRUE(plain[0].submenu[1].picture.has_value());
  EXPECT_EQ(plain[0].submenu[1].picture->size, 64);
  EXPECT_EQ(plain[0].submenu[1].picture->figure, harness.editor->graph().shapes()[0]->figure());
}

}  // namespace
}  // namespace ornival
