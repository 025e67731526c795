#include "editor/qt/EventTranslation.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

// The desktop keeps Super and Alt for itself: the editor's control is Ctrl,
// its option the middle button (or Shift on the wheel); Alt and Super carry
// nothing.
TEST(EventTranslation, FlipsPointsAndMapsModifiersAndClicks) {
  struct Case {
    QPointF widget;
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons buttons;
    int clicks;
    Vec2 expected;
    ModifierFlags flags;
  };
  const Case cases[] = {
      {{0, 0}, Qt::NoModifier, Qt::LeftButton, 1, {0, 600}, {}},
      {{10.5, 600}, Qt::ShiftModifier, Qt::LeftButton, 2, {10.5, 0}, {true, false, false, false}},
      {{300, 100}, Qt::ControlModifier, Qt::LeftButton, 3, {300, 500}, {false, true, false, false}},
      {{1, 2}, Qt::AltModifier | Qt::MetaModifier, Qt::LeftButton, 1, {1, 598}, {}},
      {{1, 2}, Qt::NoModifier, Qt::MiddleButton, 2, {1, 598}, {false, false, true, false}},
      {{1, 2}, Qt::ControlModifier | Qt::ShiftModifier, Qt::MiddleButton | Qt::LeftButton, 1, {1, 598},
       {true, true, true, false}},
  };
  for (const Case& c : cases) {
    const MouseEvent event = mouseEvent(c.widget, 600.0, c.modifiers, c.clicks, c.buttons);
    EXPECT_EQ(event.locationInWindow, c.expected);
    EXPECT_EQ(event.modifiers, c.flags);
    EXPECT_EQ(event.clickCount, c.clicks);
  }
  // Every binding the help shows is one the translation reads.
  for (const ModifierBinding& binding : modifierBindings()) {
    const ModifierFlags flags = modifierFlags(binding.keys, binding.buttons, binding.input);
    const bool set[] = {flags.shift, flags.control, flags.option};
    EXPECT_TRUE(set[int(binding.modifier)]) << binding.heldAs;
  }
}

TEST(EventTranslation, APlainWheelStepBeginsAndEndsAGestureAndATouchpadKeepsItsPhases) {
  // Shift turns the view with the wheel; Alt, which the desktop may keep,
  // does nothing.
  EXPECT_FALSE(scrollEvents(15.0, Qt::NoScrollPhase, false, Qt::AltModifier)[0].modifiers.option);
  const auto plain = scrollEvents(15.0, Qt::NoScrollPhase, false, Qt::ShiftModifier);
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_EQ(plain[0].scrollingDeltaY, 15.0);
  EXPECT_EQ(plain[0].phase, ScrollPhase::began);
  EXPECT_TRUE(plain[0].modifiers.option);
  EXPECT_EQ(plain[1].scrollingDeltaY, 0.0);
  EXPECT_EQ(plain[1].phase, ScrollPhase::ended);

  const std::pair<Qt::ScrollPhase, ScrollPhase> phases[] = {
      {Qt::ScrollBegin, ScrollPhase::began}, {Qt::ScrollUpdate, ScrollPhase::changed},
      {Qt::ScrollEnd, ScrollPhase::ended}};
  for (const auto& [qt, ours] : phases) {
    const auto events = scrollEvents(-3.0, qt, false, Qt::NoModifier);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].phase, ours);
    EXPECT_EQ(events[0].momentumPhase, ScrollPhase::none);
    EXPECT_EQ(events[0].scrollingDeltaY, -3.0);
  }
  const auto momentum = scrollEvents(-1.0, Qt::ScrollMomentum, true, Qt::NoModifier);
  ASSERT_EQ(momentum.size(), 1u);
  EXPECT_EQ(momentum[0].phase, ScrollPhase::none);
  EXPECT_EQ(momentum[0].momentumPhase, ScrollPhase::changed);
}

TEST(EventTranslation, KeysGiveTheCharactersTheEditorReads) {
  const std::tuple<int, QString, std::string> cases[] = {
      {Qt::Key_Up, "", "\xEF\x9C\x80"},    {Qt::Key_Down, "", "\xEF\x9C\x81"},
      {Qt::Key_Left, "", "\xEF\x9C\x82"},  {Qt::Key_Right, "", "\xEF\x9C\x83"},
      {Qt::Key_Tab, "\t", "\t"},           {Qt::Key_Return, "\r", "\r"},
      {Qt::Key_Enter, "\r", "\r"},         {Qt::Key_Escape, "\x1b", "\x1b"},
      {Qt::Key_B, "b", "b"},               {Qt::Key_B, "B", "B"},
      {Qt::Key_Space, " ", " "},           {Qt::Key_Shift, "", ""},
      {Qt::Key_E, QString::fromUtf8("é"), "\xC3\xA9"},
  };
  for (const auto& [key, text, expected] : cases)
    EXPECT_EQ(keyCharacters(key, text), expected) << key;
}

TEST(EventTranslation, CountsClicksCloseInTimeAndPlace) {
  ClickCounter counter;
  EXPECT_EQ(counter.press({10, 10}, 1000, 400), 1);
  EXPECT_EQ(counter.press({11, 12}, 1200, 400), 2);
  EXPECT_EQ(counter.press({11, 12}, 1500, 400), 3);
  EXPECT_EQ(counter.press({11, 12}, 2000, 400), 1);  // too late
  EXPECT_EQ(counter.press({40, 12}, 2100, 400), 1);  // too far
}

}  // namespace
}  // namespace ornival
