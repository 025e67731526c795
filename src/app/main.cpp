// ornival [--example] [FILE…]: the tile mosaic editor. Opens the files given,
// else offers the untitled documents kept from the last session, else a new
// document. --example opens the first example as an untitled document.

#include "app/Application.h"
#include "app/WindowController.h"
#include "app/core/Examples.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ornival");
  QApplication::setOrganizationName("Ornival");
  ornival::setMainQueue(std::make_shared<ornival::QtMainQueue>(&app));

  const std::filesystem::path executable = QApplication::applicationFilePath().toStdString();
  ornival::Application application({ornival::examplesFolder(executable), ornival::defaultAutosaveFolder()});

  QStringList arguments = QApplication::arguments().mid(1);
  const bool example = arguments.removeAll("--example") > 0;
  for (const QString& argument : arguments)
    application.openFile(argument.toStdString());
  if (arguments.isEmpty()) {
    const int reopened = application.reopenUntitledAutosaves();
    const auto first = ornival::firstExample(application.options().examplesFolder);
    if (example && !first.empty())
      application.openExample(ornival::exampleTitle(first.filename().string(), "ornival"), first);
    else if (reopened == 0)
      application.newDocument();
  }
  // Every file refused: nothing to edit, nothing to wait for.
  if (application.windows().empty())
    return 1;
  return QApplication::exec();
}
