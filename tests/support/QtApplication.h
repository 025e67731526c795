#pragma once

// One QApplication for a test program of widgets, on the offscreen platform
// unless the run asks for another (the end-to-end test runs on a display).

#include <QApplication>

#include <cstdlib>

namespace ornival::testing {

inline QApplication& qtApplication() {
  static int argc = 1;
  static char name[] = "ornival-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    if (!std::getenv("QT_QPA_PLATFORM"))
      ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new QApplication(argc, argv);
  }();
  return *application;
}

}  // namespace ornival::testing
