#pragma once

#include "document/ReliefSnapshot.h"
#include "platform/AtomicFile.h"

#include <string>

class QPrinter;

namespace ornival {

class Document;

// Sets a printer up the way a document prints: one landscape sheet without
// margins. The print dialog starts from it; the user may change both.
void preparePrinter(QPrinter& printer);

// The finest a relief is rendered for a print, in pixels per inch: beyond it
// a sheet's picture grows past what memory holds (a landscape A4 page at
// 1200 pixels an inch is half a gigabyte a copy) and the print shows nothing
// more.
constexpr double finestReliefResolution = 600.0;

// Prints the document on one page of the printer as it is set up (paper,
// orientation, margins, output file): flat as the page drawing, with
// `scaling` view units a canvas unit (1 for 100 %) and the page centred in
// the printable area; in the relief view, the relief rendered through
// renderers of `reliefRenderers` at the printer's resolution (up to
// finestReliefResolution), the page fitted and centred in the printable area.
// Empty on success, else what went wrong; a relief that cannot be drawn
// prints nothing and says so.
//
// A printer set to write a PDF file writes it as every other file is
// written: whole or not at all, through `calls`, so that a full disk or a
// crash mid-print leaves the file that was there before and no part of the
// new one; a failure names the file and gives the system's reason.
std::string printDocument(const Document& document, QPrinter& printer, double scaling,
                          const SnapshotRendererMaker& reliefRenderers,
                          const FileCalls& calls = systemFileCalls());

}  // namespace ornival
