// The window in a pseudo-translation made from the translations' source at
// build time, in which every text is bracketed, accented and longer ("Undo"
// is "[Ûûñðöö]"): any English word left in the menus, popovers, catalogue
// browser, dialogs, undo names or help escaped translation. Runs on a real
// display (xvfb-run); the pictures stay beside the test to be looked at for
// texts cut off.

#include "app/Application.h"
#include "app/ColorPopover.h"
#include "app/ColorWell.h"
#include "app/SettingsPopovers.h"
#include "app/TaskList.h"
#include "app/HelpWindow.h"
#include "app/IconMenuViewController.h"
#include "app/Popover.h"
#include "app/ToolbarDelegate.h"
#include "app/WindowController.h"
#include "app/core/DocumentFile.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/Translations.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Names the catalogue gives its figures: data, not words to translate.
const std::set<QString>& figureNames() {
  static const std::set<QString> names = [] {
    std::set<QString> all;
    for (Shapes tool : Shapes::allButLast()) {
      const QString name = QString::fromStdString(Shapes::figures()[std::size_t(tool.rawValue() - 1)]->name());
      all.insert(name);
      // The Tools menu groups figures under a word of their names.
      for (const QString& word : name.split(' ', Qt::SkipEmptyParts))
        all.insert(word);
    }
    return all;
  }();
  return names;
}

// Every text the user sees in one place, each checked for English left in
// it once what it may hold besides translated words is taken out.
struct Texts {
  struct Seen {
    QString where;
    QString text;
    QStringList allowed;
    bool figures;
  };
  std::vector<Seen> seen;

  void add(const QString& where, const QString& text, const QStringList& allowed = {}, bool figures = false) {
    if (!text.trimmed().isEmpty())
      seen.push_back({where, text, allowed, figures});
  }

  static bool translated(const Seen& entry) {
    QString text = entry.text;
    if (entry.figures) {
      // A figure's name, or a list of them; its number in parentheses.
      bool names = true;
      for (QString part : text.split(QRegularExpression(QStringLiteral("\\s*\\(\\d+\\)|[\\[\\], ]*,[\\[\\], ]*")),
                                     Qt::SkipEmptyParts))
        names = names && figureNames().count(part.trimmed());
      if (names)
        return true;
    }
    for (const QString& allowed : entry.allowed)
      text.remove(allowed);
    // The symmetry groups' symbols, D₆ and C₃, are notation.
    text.remove(QRegularExpression(QStringLiteral("[CD][₀-₉]+")));
    return !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
  }

  // Fails with every text left in English, where it stands.
  void expectTranslated() const {
    int checked = 0;
    for (const Seen& entry : seen) {
      ++checked;
      EXPECT_TRUE(translated(entry)) << entry.where.toStdString() << ": " << entry.text.toStdString();
    }
    EXPECT_GT(checked, 0);
  }
};

// The texts a widget and its children show: labels, buttons, lists, spin
// box suffixes, tips, names read out by assistive tools. The standard
// buttons of Qt's dialogs speak Qt's own translation.
void collect(Texts& texts, QWidget& root, const QString& where, const QStringList& allowed = {}) {
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* widget : widgets) {
    // A tab bar's scroll arrows are Qt's own.
    if (qobject_cast<QTabBar*>(widget->parentWidget()))
      continue;
    texts.add(where + " tip", widget->toolTip(), allowed);
    texts.add(where + " name", widget->accessibleName(), allowed);
    if (widget->isWindow())
      texts.add(where + " title", widget->windowTitle(), allowed);
    if (auto* label = qobject_cast<QLabel*>(widget))
      texts.add(where + " label", label->text(), allowed);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
      auto* push = qobject_cast<QPushButton*>(button);
      if (!(box && push && box->standardButton(push) != QDialogButtonBox::NoButton))
        texts.add(where + " button", button->text(), allowed);
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < combo->count(); ++i)
        texts.add(where + " choice", combo->itemText(i), allowed);
    if (auto* spin = qobject_cast<QSpinBox*>(widget))
      texts.add(where + " suffix", spin->suffix(), allowed);
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(widget))
      texts.add(where + " suffix", spin->suffix(), allowed);
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
      for (int i = 0; i < tabs->count(); ++i)
        texts.add(where + " tab", tabs->tabText(i), allowed);
  }
}

// A menu and its submenus, filled and validated as they are when they open.
void collect(Texts& texts, QMenu& menu, const QString& where, bool figures = false) {
  emit menu.aboutToShow();
  texts.add(where, menu.title(), {}, figures);
  for (QAction* action : menu.actions()) {
    if (action->isSeparator())
      continue;
    if (QMenu* sub = action->menu())
      collect(texts, *sub, where + " › " + sub->title(), figures);
    else
      texts.add(where, action->text(), {}, figures);
    texts.add(where + " tip", action->toolTip() == QString(action->text()).remove('&') ? QString() : action->toolTip(),
              {}, figures);
  }
}

// The next modal dialog, read and answered with `answer` once it shows.
void answerNextDialog(Texts& texts, const QString& where, QMessageBox::StandardButton answer, const QString& picture,
                      const QStringList& allowed = {}) {
  auto* poll = new QTimer;
  auto* waited = new int(0);
  QObject::connect(poll, &QTimer::timeout, [=, &texts] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    // Within the shared limit, however busy the machine.
    if (!box && ++*waited < testing::waitLimitMs / 20)
      return;
    poll->stop();
    poll->deleteLater();
    delete waited;
    ASSERT_NE(box, nullptr) << where.toStdString() << ": no dialog";
    collect(texts, *box, where, allowed);
    texts.add(where + " text", box->text(), allowed);
    texts.add(where + " more", box->informativeText(), allowed);
    QTest::qWait(100);
    QGuiApplication::primaryScreen()->grabWindow(0).save(picture);
    box->button(answer)->click();
  });
  poll->start(20);
}

class PseudoTranslation : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    const fs::path home = fs::temp_directory_path() / ("ornival-pseudo-home-" + std::to_string(::getpid()));
    for (const char* name : {"home", "config", "data", "cache"})
      fs::create_directories(home / name);
    ::setenv("HOME", (home / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
    std::atexit([] {
      fs::remove_all(fs::temp_directory_path() / ("ornival-pseudo-home-" + std::to_string(::getpid())));
    });
    testing::qtApplication();
    QCoreApplication::setOrganizationName("OrnivalTests");
    QCoreApplication::setApplicationName("OrnivalPseudo");
    // Installed before any text is looked up, as the program does.
    ASSERT_TRUE(QResource::registerResource(QStringLiteral(ORNIVAL_PSEUDO_RCC)));
    ASSERT_EQ(installTranslations({QStringLiteral(ORNIVAL_PSEUDO_LANGUAGE)}, QStringLiteral(":/pseudo/i18n")),
              QStringLiteral(ORNIVAL_PSEUDO_LANGUAGE));
  }
  void SetUp() override {
    setMainQueue(std::make_shared<QtMainQueue>(qApp));
    Application::Options options{ORNIVAL_EXAMPLES, folder / "autosave", 600000};
    // Exports and saves show in the window at once, so that their rows are read too.
    options.taskShownAfterMilliseconds = 0;
    application = std::make_unique<Application>(options);
  }
  void TearDown() override {
    for (const auto& window : application->windows())
      window->setEdited(false);
    QApplication::closeAllWindows();
    application.reset();
    QSettings().clear();
  }
  WindowController& open() {
    const fs::path file = folder / "Pattern.ornival";
    std::ofstream(file, std::ios::binary) << contents(fs::path(ORNIVAL_FIXTURES) / "FourSquares.ornival");
    WindowController* window = application->openFile(file);
    EXPECT_NE(window, nullptr);
    window->window()->move(0, 0);
    window->window()->resize(1000, 700);
    EXPECT_TRUE(testing::waitForExposed(window->window()));
    window->window()->activateWindow();
    EXPECT_TRUE(testing::waitForActive(window->window()));
    return *window;
  }
  static QMenu* menuAt(WindowController& window, int index) {
    return window.window()->menuBar()->actions().at(index)->menu();
  }
  static void picture(const char* name) {
    QTest::qWait(150);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(ORNIVAL_SCREENSHOTS "/pseudo-") +
                                                                      name + ".png"));
  }

  testing::TemporaryFolder folder{"ornival-pseudo"};
  std::unique_ptr<Application> application;
};

// Every menu, the window's title, its toolbar, the undo names the Edit menu
// shows after an edit and after taking it back, and the status bar after an
// export.
TEST_F(PseudoTranslation, MenusToolbarUndoNamesAndStatusBar) {
  WindowController& window = open();
  Texts texts;
  texts.add("window title", window.window()->windowTitle(), {"Pattern.ornival"});
  for (QAction* top : window.window()->menuBar()->actions()) {
    QMenu* menu = top->menu();
    ASSERT_NE(menu, nullptr);
    const bool figures = top == window.window()->menuBar()->actions().at(2) ||  // Select
                         top == window.window()->menuBar()->actions().at(6);    // Tools
    collect(texts, *menu, "menu", figures);
  }
  for (QToolBar* bar : window.window()->findChildren<QToolBar*>()) {
    texts.add("toolbar", bar->windowTitle());
    for (QAbstractButton* button : bar->findChildren<QAbstractButton*>()) {
      texts.add("toolbar button", button->text(), {}, true);
      texts.add("toolbar tip", button->toolTip(), {}, true);
    }
  }

  // An edit of the editor's and one of the document's, each named.
  ASSERT_TRUE(window.send({"invertColors", 0, {}}));
  QMenu* edit = menuAt(window, 1);
  emit edit->aboutToShow();
  const QString undoInvert = QCoreApplication::translate("Menu", "Undo %1")
                                 .arg(QCoreApplication::translate("Undo", "Invert Colors"));
  EXPECT_EQ(edit->actions().at(0)->text(), undoInvert);
  EXPECT_TRUE(undoInvert.startsWith("[")) << undoInvert.toStdString();
  texts.add("undo", edit->actions().at(0)->text());
  window.performEvent([&] { window.document()->setMetalness(0.9); });
  ASSERT_TRUE(window.send({"undo", 0, {}}));
  emit edit->aboutToShow();
  texts.add("undo", edit->actions().at(0)->text());
  texts.add("redo", edit->actions().at(1)->text());
  EXPECT_TRUE(edit->actions().at(1)->text().contains(QCoreApplication::translate("Undo", "Change Metalness")));

  // The export under way, with its progress and Cancel; then the status
  // bar's word on it.
  ASSERT_TRUE(window.send({"export", 2, {}}));
  ASSERT_EQ(window.taskList()->tasks().size(), 1u);
  collect(texts, *window.taskList(), "export under way", {"Pattern.svg"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.exportNotice()->isVisible(); }, 20000));
  collect(texts, *window.exportNotice()->parentWidget(), "export notice",
          {"Pattern.svg", QString::fromStdString(folder.path().string())});

  edit->popup(window.window()->mapToGlobal(QPoint(60, 30)));
  picture("edit-menu");
  edit->hide();
  texts.expectTranslated();
}

// Every popover of the window, and the catalogue browser with the titles and
// menus of all its categories.
TEST_F(PseudoTranslation, PopoversAndCatalogueBrowser) {
  WindowController& window = open();
  Texts texts;
  const std::pair<const char*, Popover*> popovers[] = {
      {"selectColor", window.colorPopover()},     {"showBorder", window.borderPopover()},
      {"showSurface", window.surfacePopover()},   {"showCounts", window.countPopover()},
      {"showScaleMenu", window.scalePopover()},   {"showRotateMenu", window.rotatePopover()},
      {"showExport", window.exportPopover()},
  };
  for (const auto& [action, popover] : popovers) {
    ASSERT_NE(popover, nullptr) << action;
    window.send({action, 0, {}});
    EXPECT_TRUE(testing::waitFor([popover = popover] { return popover->isVisible(); })) << action;
    collect(texts, *popover, QString("popover ") + action);
    if (std::string_view(action) == "showBorder")
      picture("border-popover");
    if (std::string_view(action) == "showExport")
      picture("export-popover");
    popover->hide();
  }
  // Shown over a picture laid under the tiles only; its texts are there
  // from the start.
  ASSERT_NE(window.changeColorsPopover(), nullptr);
  collect(texts, *window.changeColorsPopover(), "popover showChangeColors");

  window.send({"showIconMenu", 0, {}});
  IconMenuViewController* browser = window.iconMenu();
  ASSERT_NE(browser, nullptr);
  ASSERT_TRUE(testing::waitFor([&] { return browser->isVisible(); }));
  browser->setCategory(catalogueCategories::symmetry);
  picture("catalogue");
  // Its line that names the current figures names them as the catalogue
  // does.
  const QString current = browser->toolNameText();
  EXPECT_TRUE(figureNames().count(current)) << current.toStdString();
  collect(texts, *browser, "browser", {current});
  for (int c = 0; c < catalogueCategories::count; ++c) {
    texts.add("browser segment", browser->categoryButton(c)->text());
    collect(texts, *browser->categoryMenu(c), "browser menu");
    for (const SectionName& section : browser->sectionNames()[std::size_t(c)])
      texts.add("browser section", QString::fromStdString(section.name));
  }
  window.send({"selectTool", Shapes::multi.rawValue(), {}});
  texts.add("browser tools", browser->toolNameText());
  texts.expectTranslated();
}

// The save prompt, the prompt to reopen kept documents (a plural), the
// prompts about a file changed outside and one read in part, and an error:
// their texts, whatever their buttons of Qt's own say.
TEST_F(PseudoTranslation, Dialogs) {
  Texts texts;
  answerNextDialog(texts, "save prompt", QMessageBox::Cancel, QStringLiteral(ORNIVAL_SCREENSHOTS "/pseudo-save.png"),
                   {"Pattern.ornival"});
  EXPECT_EQ(application->askToSave("Pattern.ornival"), Application::SaveAnswer::cancel);
  answerNextDialog(texts, "reopen prompt", QMessageBox::No, QStringLiteral(ORNIVAL_SCREENSHOTS "/pseudo-reopen.png"));
  EXPECT_FALSE(application->askToReopen(3));
  EXPECT_TRUE(texts.seen.back().text.contains('3'));
  answerNextDialog(texts, "changed outside", QMessageBox::Cancel,
                   QStringLiteral(ORNIVAL_SCREENSHOTS "/pseudo-changed.png"), {"Pattern.ornival"});
  EXPECT_EQ(application->askAboutOutsideChange("Pattern.ornival"), Application::ChangedAnswer::cancel);
  answerNextDialog(texts, "read in part", QMessageBox::Cancel,
                   QStringLiteral(ORNIVAL_SCREENSHOTS "/pseudo-incomplete.png"), {"Pattern.ornival"});
  EXPECT_EQ(application->askToSaveOverIncomplete(incompleteReadNotice({6, 3}, "Pattern.ornival")),
            Application::IncompleteAnswer::cancel);
  const fs::path notes = folder / "Notes.ornival";
  std::ofstream(notes) << "Shopping: bread, tiles\n";
  answerNextDialog(texts, "error", QMessageBox::Ok, QStringLiteral(ORNIVAL_SCREENSHOTS "/pseudo-error.png"),
                   {"Notes.ornival"});
  EXPECT_EQ(application->openFile(notes), nullptr);
  texts.expectTranslated();
}

// The help's pages come in the translation's language; only the file
// format's keywords, set as code, stay.
TEST_F(PseudoTranslation, HelpWindow) {
  WindowController& window = open();
  QTest::keyClick(window.window(), Qt::Key_F1);
  HelpWindow* help = HelpWindow::existing();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(testing::waitForExposed(help));
  help->move(0, 0);
  Texts texts;
  collect(texts, *help, "help");
  for (int page = 0; page < help->tabs()->count(); ++page) {
    int fragments = 0;
    for (QTextBlock block = help->text(page)->document()->begin(); block.isValid(); block = block.next())
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.fontFamilies().toStringList().contains(QStringLiteral("monospace")))
          continue;
        texts.add(QStringLiteral("help page %1").arg(page), it.fragment().text());
        ++fragments;
      }
    EXPECT_GT(fragments, 2) << page;
  }
  picture("help");
  help->close();
  texts.expectTranslated();
}

}  // namespace
}  // namespace ornival
