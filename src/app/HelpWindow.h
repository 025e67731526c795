#pragma once

#include <QWidget>

class QTabWidget;
class QTextBrowser;

namespace ornival {

// The help window: the user's help, the description of the document file
// and the privacy statement, each read once from the program's resources.
// One per process, made on first use.
class HelpWindow final : public QWidget {
  Q_OBJECT

public:
  // The one help window, brought to the front.
  static HelpWindow& showHelp();
  // The window if it was made.
  static HelpWindow* existing();

  QTabWidget* tabs() const { return tabs_; }
  QTextBrowser* text(int index) const;
  // How many times the texts were read: once.
  static int loads();

  // The HTML of a text resource ("Help", "FileFormat", "Privacy"); a
  // missing one is a fault of the build and stops the program.
  static QString resourceText(const QString& name);
  // The user's help, with the table of the keys held with the mouse.
  static QString helpText();

private:
  HelpWindow();
  QTabWidget* tabs_;
};

}  // namespace ornival
