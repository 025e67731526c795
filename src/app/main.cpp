// ornival [--example] [FILE…]: the tile mosaic editor. Opens the files given,
// else offers the untitled documents kept from the last session, else a new
// document. --example opens the first example as an untitled document.

#include "app/Application.h"
#include "app/WindowController.h"
#include "app/core/Examples.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <filesystem>

namespace {

void describe(QCommandLineParser& parser, const QCommandLineOption& example) {
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Ornival, the editor of tile mosaics, opens each document file given."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(example);
  parser.addPositionalArgument(QStringLiteral("files"),
                               QCoreApplication::translate("main", "The documents to open."),
                               QStringLiteral("[FILE…]"));
}

void name() {
  QCoreApplication::setApplicationName(QStringLiteral("Ornival"));
  QCoreApplication::setOrganizationName(QStringLiteral("Ornival"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ORNIVAL_VERSION));
}

// Made once the translations are in: its description is shown.
QCommandLineOption exampleOption() {
  return QCommandLineOption(QStringLiteral("example"),
                            QCoreApplication::translate("main", "Opens the first example as an untitled document."));
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer as command-line programs do, also where no
  // display is to be had: before any window system is asked for.
  for (int i = 1; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    if (argument == "-h" || argument == "--help" || argument == "-?" || argument == "--help-all" ||
        argument == "-v" || argument == "--version") {
      QCoreApplication core(argc, argv);
      name();
      ornival::installTranslations(QLocale().uiLanguages());
      QCommandLineParser parser;
      describe(parser, exampleOption());
      parser.process(core);
      return 0;
    }
  }

  QApplication app(argc, argv);
  name();
  // In the user's language, before the first text is looked up: the
  // catalogue keeps its words for the rest of the process.
  ornival::installTranslations(QLocale().uiLanguages());
  const QCommandLineOption example = exampleOption();
  // The window belongs to the desktop entry of that name: its launcher and
  // icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ornival.Ornival"));
  QCommandLineParser parser;
  describe(parser, example);
  parser.process(app);
  ornival::setMainQueue(std::make_shared<ornival::QtMainQueue>(&app));

  const std::filesystem::path executable = QApplication::applicationFilePath().toStdString();
  ornival::Application application({ornival::examplesFolder(executable), ornival::defaultAutosaveFolder()});

  const QStringList arguments = parser.positionalArguments();
  for (const QString& argument : arguments)
    application.openFile(argument.toStdString());
  if (arguments.isEmpty()) {
    const int reopened = application.reopenUntitledAutosaves();
    const auto first = ornival::firstExample(application.options().examplesFolder);
    if (parser.isSet(example) && !first.empty())
      application.openExample(ornival::exampleTitle(first.filename().string(), "ornival"), first);
    else if (reopened == 0)
      application.newDocument();
  }
  // Every file refused: nothing to edit, nothing to wait for.
  if (application.windows().empty())
    return 1;
  return QApplication::exec();
}
