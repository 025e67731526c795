#include "app/core/ActionRouter.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(ActionRouter, TheFirstTargetThatAnswersTakesTheActionAndValidatesIt) {
  std::vector<std::string> log;
  ActionTable editor, window, document, application;
  editor.add("selectTool", [&](const Action& a) { log.push_back("editor " + std::to_string(a.tag)); });
  window.add("selectTool", [&](const Action&) { log.push_back("window"); });
  window.add("undo", [&](const Action&) { log.push_back("undo"); }, [](const Action&) { return false; });
  document.add("export", [&](const Action&) { log.push_back("export"); }, [](const Action& a) { return a.tag == 2; });
  application.add("newDocument", [&](const Action&) { log.push_back("new"); });
  // An item may name what it would do; the others keep their titles.
  window.setTitle("undo", [](const Action&) { return std::string("Undo Add Shape"); });
  ActionRouter router;
  router.setChain({&editor, &window, &document, &application});

  EXPECT_TRUE(router.send({"selectTool", 7, {}}));
  EXPECT_TRUE(router.send({"newDocument", 0, {}}));
  EXPECT_FALSE(router.send({"nobodyAnswers", 0, {}}));
  EXPECT_EQ(log, (std::vector<std::string>{"editor 7", "new"}));

  std::vector<MenuItem> menu(4);
  menu[0].action = "undo";
  menu[1].action = "export";
  menu[1].tag = 2;
  menu[1].title = "Export SVG";
  menu[2].action = "nobodyAnswers";
  menu[3].submenu.resize(1);
  menu[3].submenu[0].action = "export";
  router.validate(menu);
  EXPECT_FALSE(menu[0].enabled);
  EXPECT_EQ(menu[0].title, "Undo Add Shape");
  EXPECT_EQ(menu[1].title, "Export SVG");
  EXPECT_TRUE(menu[1].enabled);
  EXPECT_FALSE(menu[2].enabled);
  EXPECT_TRUE(menu[3].enabled);
  EXPECT_FALSE(menu[3].submenu[0].enabled);
}

}  // namespace
}  // namespace ornival
