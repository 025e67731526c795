#include "app/HelpWindow.h"

#include "editor/qt/EventTranslation.h"
#include "platform/Precondition.h"
#include "platform/qt/Translations.h"

#include <QCoreApplication>

#include <QFile>
#include <QPointer>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

// The resources live in a static library: the program must ask for them.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace ornival {
namespace {

QPointer<HelpWindow> theWindow;
int loadCount = 0;

}  // namespace

QString HelpWindow::resourceText(const QString& name) {
  initHelpResources();
  // A translation may bring its own pages; a page it lacks is read in
  // English.
  QFile file(localizedResource(QStringLiteral(":/help"), name + QStringLiteral(".html")));
  ORNIVAL_PRECONDITION(file.open(QIODevice::ReadOnly));
  return QString::fromUtf8(file.readAll());
}

QString HelpWindow::helpText() {
  // The keys held with the mouse come from the table the events are read
  // by, so that the help cannot tell another story.
  QString rows;
  for (const ModifierBinding& binding : modifierBindings())
    rows += QStringLiteral("<tr><td valign=\"top\"><b>%1</b></td><td>%2</td></tr>")
                .arg(QCoreApplication::translate("Gestures", binding.heldAs).toHtmlEscaped(),
                     QCoreApplication::translate("Gestures", binding.gestures).toHtmlEscaped());
  return resourceText(QStringLiteral("Help"))
      .replace(QStringLiteral("<!-- gestures -->"),
               QStringLiteral("<table cellspacing=\"6\">%1</table>").arg(rows));
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), tabs_(new QTabWidget(this)) {
  setWindowTitle(tr("Ornival Help"));
  const std::pair<QString, QString> texts[] = {
      {QStringLiteral("Help"), tr("Help")},
      {QStringLiteral("FileFormat"), tr("File Format")},
      {QStringLiteral("Privacy"), tr("Privacy")},
  };
  for (const auto& [resource, title] : texts) {
    auto* browser = new QTextBrowser(tabs_);
    browser->setOpenExternalLinks(true);
    browser->setHtml(resource == QStringLiteral("Help") ? helpText() : resourceText(resource));
    tabs_->addTab(browser, title);
  }
  ++loadCount;
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);
  resize(720, 640);
}

HelpWindow& HelpWindow::showHelp() {
  if (!theWindow)
    theWindow = new HelpWindow();
  theWindow->show();
  theWindow->raise();
  theWindow->activateWindow();
  return *theWindow;
}

HelpWindow* HelpWindow::existing() { return theWindow; }

QTextBrowser* HelpWindow::text(int index) const { return qobject_cast<QTextBrowser*>(tabs_->widget(index)); }

int HelpWindow::loads() { return loadCount; }

}  // namespace ornival
