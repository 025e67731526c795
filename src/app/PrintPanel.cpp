#include "app/PrintPanel.h"

#include "document/Document.h"
#include "document/qt/DocumentPrinter.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QWidget>

#include <algorithm>

namespace ornival {

PrintPanel::PrintPanel(std::shared_ptr<const Document> document, SnapshotRendererMaker reliefRenderers,
                       QWidget* parent)
    : document_(std::move(document)),
      reliefRenderers_(std::move(reliefRenderers)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      parent_(parent) {
  preparePrinter(*printer_);
  makeDialog();
}

void PrintPanel::makeDialog() {
  const int scaling = scaling_ ? scaling_->value() : 100;
  delete dialog_.data();
  dialog_ = new QPrintDialog(printer_.get(), parent_);
  dialog_->setWindowTitle(QCoreApplication::translate("PrintPanel", "Print"));
  // One page is all a document prints.
  dialog_->setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog_->setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog_->setOption(QAbstractPrintDialog::PrintToFile, true);

  auto* tab = new QWidget;
  tab->setWindowTitle(QCoreApplication::translate("PrintPanel", "Scaling"));
  auto* form = new QFormLayout(tab);
  scaling_ = new QSpinBox(tab);
  scaling_->setRange(1, 1000);
  scaling_->setValue(scaling);
  scaling_->setSuffix(QStringLiteral(" %"));
  form->addRow(QCoreApplication::translate("PrintPanel", "Scale:"), scaling_);
  dialog_->setOptionTabs({tab});
}

void PrintPanel::nameAfter(const std::string& name, const std::filesystem::path& folder) {
  // The document's own extension goes; a dot within the name stays, and a
  // slash would name another folder.
  std::string stem = name;
  const std::string extension = ".ornival";
  if (stem.size() > extension.size() && stem.ends_with(extension))
    stem.resize(stem.size() - extension.size());
  std::replace(stem.begin(), stem.end(), '/', '-');
  if (stem.empty())
    stem = QCoreApplication::translate("WindowController", "Untitled").toStdString();
  printer_->setDocName(QString::fromStdString(stem));
  printer_->setOutputFileName(QString::fromStdString((folder / (stem + ".pdf")).string()));
  // Qt's dialog takes the file it offers from the printer when it is made,
  // and writes its own choice back when accepted: made again, it offers this
  // one.
  makeDialog();
}

PrintPanel::~PrintPanel() {
  // The dialog refers to the printer: it goes first.
  delete dialog_.data();
}

std::string PrintPanel::run() {
  if (!dialog_ || dialog_->exec() != QDialog::Accepted)
    return {};
  return print();
}

std::string PrintPanel::print() {
  if (!document_)
    return {};
  return printDocument(*document_, *printer_, scaling_ ? scaling_->value() / 100.0 : 1.0, reliefRenderers_);
}

}  // namespace ornival
