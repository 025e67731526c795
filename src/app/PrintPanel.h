#pragma once

#include "document/ReliefSnapshot.h"

#include <QPointer>
#include <QPrintDialog>
#include <QSpinBox>

#include <filesystem>
#include <memory>
#include <string>

class QPrinter;
class QWidget;

namespace ornival {

class Document;

// The print dialog of a document window: Qt's dialog (a printer or a PDF
// file, paper size, orientation) on a sheet set up landscape without
// margins, with a tab of its own for the scaling, which Qt's dialog lacks.
// Accepting it prints the document on one page.
//
// Main thread only.
class PrintPanel {
public:
  PrintPanel(std::shared_ptr<const Document> document, SnapshotRendererMaker reliefRenderers, QWidget* parent);
  ~PrintPanel();
  PrintPanel(const PrintPanel&) = delete;
  PrintPanel& operator=(const PrintPanel&) = delete;

  // Names the print job after the document, and the PDF file it may go to
  // after the document too, in `folder`.
  void nameAfter(const std::string& name, const std::filesystem::path& folder);

  // Shows the dialog modally and prints when it is accepted. Empty when
  // printed or cancelled, else what went wrong.
  std::string run();
  // Prints as the dialog is set now, without showing it.
  std::string print();

  QPrinter& printer() { return *printer_; }
  QPrintDialog& dialog() { return *dialog_; }
  // The scaling in per cent, 100 at first.
  QSpinBox& scaling() { return *scaling_; }

private:
  void makeDialog();

  std::shared_ptr<const Document> document_;
  SnapshotRendererMaker reliefRenderers_;
  std::unique_ptr<QPrinter> printer_;
  // Owned here, but a child of the window: gone with it if the window goes first.
  QPointer<QPrintDialog> dialog_;
  QPointer<QSpinBox> scaling_;
  QPointer<QWidget> parent_;
};

}  // namespace ornival
