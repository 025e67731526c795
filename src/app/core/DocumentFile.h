#pragma once

#include "document/OrnivalModel.h"
#include "platform/RegularFile.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

class Document;

// How much of a document's tiles a read took in.
struct ReadCounts {
  // The lines of the shapes sections, each meant to be a tile.
  std::size_t tileLines = 0;
  std::size_t tiles = 0;
  bool whole() const { return tiles >= tileLines; }
};

// Reads text into a fresh document: the tiles wait in its hand-over list and
// the settings go through its setters without undo. Text that is not a
// document (not UTF-8, no header line) leaves the document untouched and is
// reported, so that the caller refuses it instead of showing an empty window
// that a later save would write over the file with. counts, when given, says
// how many of the file's tile lines became tiles.
TextKind readDocument(Document& document, std::string_view text, ReadCounts* counts = nullptr);

// Why a file cannot be opened, in the user's words; empty when it can.
std::string refusalMessage(TextKind kind, const std::string& displayName);

// The largest document file the program opens: far beyond any drawing made
// by hand, and a bound on what a file that is no document can cost.
constexpr std::uint64_t largestDocumentBytes = std::uint64_t(64) << 20;

// Why the file could not be read, naming it; empty when it was read.
std::string readRefusalMessage(const FileContents& contents, const std::string& displayName);

// What the window says of a file whose tiles did not all read.
std::string incompleteReadNotice(const ReadCounts& counts, const std::string& displayName);

// The file's tags: "Ornival", then the name of every figure in use, in
// catalogue order. counts holds the tiles per figure number (entry 0 unused).
std::vector<std::string> documentTags(const std::vector<int>& counts);

// Writes the tags as the extended attribute "user.xdg.tags", comma-separated,
// the way file managers read them; a comma within a tag (some figures' names
// hold one) is written as "‚" (U+201A), which looks like it, and read back
// as a comma. A file system without extended attributes is quietly skipped;
// returns whether they were written.
bool writeFileTags(const std::filesystem::path& file, const std::vector<std::string>& tags);
std::vector<std::string> readFileTags(const std::filesystem::path& file);

}  // namespace ornival
