#pragma once

#include "document/OrnivalModel.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

class Document;

// Reads text into a fresh document: the tiles wait in its hand-over list and
// the settings go through its setters without undo. Text that is not a
// document (not UTF-8, no header line) leaves the document untouched and is
// reported, so that the caller refuses it instead of showing an empty window
// that a later save would write over the file with.
TextKind readDocument(Document& document, std::string_view text);

// Why a file cannot be opened, in the user's words; empty when it can.
std::string refusalMessage(TextKind kind, const std::string& displayName);

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
