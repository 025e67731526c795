#include "platform/UndoManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ornival {
namespace {

// One undoable value in the way the document's settings work: the setter
// registers a step that calls the setter again with the old value, and names
// the action unless undoing.
struct Setting {
  std::shared_ptr<UndoManager> undo;
  std::string name;
  int value = 0;
  // Names the action even while undoing, as a careless caller might.
  bool alwaysNames = false;

  void set(int v) {
    const int old = value;
    undo->registerUndo(this, [this, old] { set(old); });
    if (alwaysNames || !undo->isUndoing())
      undo->setActionName(name);
    value = v;
  }
};

// Runs body as one user event.
template <typename Body>
void event(UndoManager& undo, Body body) {
  undo.beginGroup();
  body();
  undo.endGroup();
}

TEST(UndoManager, UndoesAGroupAsOneLastRegisteredFirst) {
  const auto undo = UndoManager::create();
  std::string log;
  event(*undo, [&] {
    for (char c : std::string("abc"))
      undo->registerUndo(nullptr, [&log, c] { log += c; });
  });
  EXPECT_EQ(undo->undoCount(), 1u);
  undo->undo();
  EXPECT_EQ(log, "cba");
  // Steps that registered nothing leave nothing to redo.
  EXPECT_FALSE(undo->canUndo());
  EXPECT_FALSE(undo->canRedo());
}

TEST(UndoManager, MovesRecordsBetweenTheStacksWithTheirNames) {
  const auto undo = UndoManager::create();
  Setting metalness{undo, "Change Metalness"};
  Setting roughness{undo, "Change Roughness"};
  event(*undo, [&] { metalness.set(8); });
  event(*undo, [&] { roughness.set(3); });

  undo->undo();
  undo->undo();
  EXPECT_EQ(metalness.value, 0);
  EXPECT_EQ(roughness.value, 0);
  EXPECT_EQ(undo->redoCount(), 2u);
  EXPECT_EQ(undo->redoActionName(), "Change Metalness");
  EXPECT_FALSE(undo->isUndoing());

  // What redoing registers is undoable again and keeps the rest of the redo
  // stack.
  undo->redo();
  EXPECT_EQ(metalness.value, 8);
  EXPECT_EQ(undo->undoActionName(), "Change Metalness");
  EXPECT_EQ(undo->redoActionName(), "Change Roughness");

  // A new edit clears what is left to redo.
  event(*undo, [&] { metalness.set(5); });
  EXPECT_FALSE(undo->canRedo());
  undo->undo();
  undo->undo();
  EXPECT_EQ(metalness.value, 0);
  EXPECT_EQ(undo->redoActionName(), "Change Metalness");
}

TEST(UndoManager, ReportsWhetherItIsUndoingOrRedoing) {
  const auto undo = UndoManager::create();
  std::vector<std::pair<bool, bool>> seen;
  std::function<void()> step = [&] {
    seen.emplace_back(undo->isUndoing(), undo->isRedoing());
    undo->registerUndo(nullptr, step);
  };
  event(*undo, [&] { undo->registerUndo(nullptr, step); });
  undo->undo();
  undo->redo();
  EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}}));
}

TEST(UndoManager, KeepsTheFirstActionNameOfARecord) {
  const auto undo = UndoManager::create();
  Setting tiles{undo, "Add Shape"};
  Setting page{undo, "Update Page Bounds"};
  event(*undo, [&] {
    tiles.set(1);
    page.set(1);
  });
  EXPECT_EQ(undo->undoActionName(), "Add Shape");

  // The redo record keeps the undone record's name even when a step names
  // itself while undoing.
  Setting careless{undo, "Select Tools", 0, true};
  event(*undo, [&] {
    undo->setActionName("Paste");
    careless.set(1);
  });
  undo->undo();
  EXPECT_EQ(undo->redoActionName(), "Paste");
  undo->redo();
  EXPECT_EQ(undo->undoActionName(), "Paste");
}

// The self-renewing refresh of the editor's flat copies: registered before an
// edit's steps, it re-registers its counterpart, so undo and redo both end
// with a fresh display.
struct Display {
  std::shared_ptr<UndoManager> undo;
  int refreshes = 0;

  void refresh() {
    ++refreshes;
    undo->registerRefresh(this, [this] { undo->registerRefresh(this, [this] { refresh(); }); });
  }
};

TEST(UndoManager, DropsRecordsOfRefreshStepsAloneAndKeepsRedo) {
  const auto undo = UndoManager::create();
  Display display{undo};
  Setting color{undo, "Change Shape Color"};
  event(*undo, [&] {
    undo->registerRefresh(&display, [&] { display.refresh(); });
    color.set(4);
    display.refresh();
  });
  undo->undo();
  EXPECT_EQ(color.value, 0);
  EXPECT_EQ(display.refreshes, 2);

  // Hovering refreshes the display; that must not cost the redo.
  event(*undo, [&] { display.refresh(); });
  event(*undo, [] {});
  EXPECT_EQ(undo->redoActionName(), "Change Shape Color");
  EXPECT_EQ(undo->undoCount(), 0u);

  undo->redo();
  EXPECT_EQ(color.value, 4);
  EXPECT_EQ(display.refreshes, 4);
  undo->undo();
  EXPECT_EQ(display.refreshes, 5);
  EXPECT_EQ(color.value, 0);
}

TEST(UndoManager, CountsDisablesAndDropsWhatIsRegisteredMeanwhile) {
  const auto undo = UndoManager::create();
  Setting setting{undo, "Change Ripple"};
  undo->disableUndoRegistration();
  undo->disableUndoRegistration();
  undo->enableUndoRegistration();
  EXPECT_FALSE(undo->isUndoRegistrationEnabled());
  // No group is needed while registration is off.
  setting.set(1);
  event(*undo, [&] { setting.set(2); });
  EXPECT_FALSE(undo->canUndo());

  undo->enableUndoRegistration();
  event(*undo, [&] { setting.set(3); });
  EXPECT_EQ(undo->undoActionName(), "Change Ripple");
  undo->undo();
  EXPECT_EQ(setting.value, 2);
}

TEST(UndoManager, UndoInsideAnEventClosesItFirstAndOpensAFreshOne) {
  const auto undo = UndoManager::create();
  Setting setting{undo, "Change Roughness"};
  event(*undo, [&] { setting.set(1); });

  // The undo command arrives as an event of its own.
  event(*undo, [&] {
    EXPECT_TRUE(undo->canUndo());
    undo->undo();
    EXPECT_EQ(undo->groupingLevel(), 1);
  });
  EXPECT_EQ(setting.value, 0);
  EXPECT_TRUE(undo->canRedo());

  // A record still forming when the command comes is what gets undone.
  event(*undo, [&] {
    setting.set(7);
    EXPECT_EQ(undo->undoActionName(), "Change Roughness");
    EXPECT_FALSE(undo->canRedo());
    undo->undo();
  });
  EXPECT_EQ(setting.value, 0);
  EXPECT_EQ(undo->undoCount(), 0u);
  EXPECT_EQ(undo->redoCount(), 1u);
}

TEST(UndoManager, NestedGroupsMakeOneRecord) {
  const auto undo = UndoManager::create();
  Setting setting{undo, "Group Shapes"};
  event(*undo, [&] {
    setting.set(1);
    event(*undo, [&] { setting.set(2); });
  });
  EXPECT_EQ(undo->undoCount(), 1u);
  undo->undo();
  EXPECT_EQ(setting.value, 0);
}

TEST(UndoManager, RemovesAllActionsOrThoseOfOneTarget) {
  const auto undo = UndoManager::create();
  Display display{undo};
  Setting a{undo, "A"};
  Setting b{undo, "B"};
  event(*undo, [&] { a.set(1); });
  event(*undo, [&] {
    b.set(1);
    display.refresh();
  });
  event(*undo, [&] {
    a.set(2);
    b.set(2);
  });
  undo->undo();

  // b's first record keeps only a refresh step and goes; the mixed one stays.
  undo->removeAllActions(&b);
  EXPECT_EQ(undo->undoCount(), 1u);
  EXPECT_EQ(undo->redoCount(), 1u);
  undo->redo();
  EXPECT_EQ(a.value, 2);
  EXPECT_EQ(b.value, 1);

  undo->beginGroup();
  a.set(3);
  undo->removeAllActions();
  undo->endGroup();
  EXPECT_FALSE(undo->canUndo());
  EXPECT_FALSE(undo->canRedo());
}

TEST(UndoManagerDeathTest, RefusesRegistrationOutsideAGroup) {
  const auto undo = UndoManager::create();
  EXPECT_DEATH(undo->registerUndo(nullptr, [] {}), "");
  EXPECT_DEATH(undo->endGroup(), "");
}

}  // namespace
}  // namespace ornival
