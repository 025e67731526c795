#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace ornival {

class OrnivalModel;

// The bytes of a document file as UTF-8 text: UTF-8 as it is; UTF-16 and
// UTF-32 of either byte order when a byte-order mark says so; anything else
// read as Latin-1, which every byte sequence is. Code units that name no
// character (a lone surrogate, a value past U+10FFFF, a trailing odd byte)
// become U+FFFD, so the result is always well-formed UTF-8.
std::string decodedDocumentText(std::string_view bytes);

// What a file manager's helper reads at most, so that a hostile file cannot
// make it run away: files and tilings far larger than any real document are
// refused rather than drawn.
struct DocumentLimits {
  std::size_t maxBytes = std::size_t(16) << 20;
  // A tile takes one line of the file, so the lines bound the tiles before
  // anything is parsed; the colour table and the settings take the rest.
  std::size_t maxLines = 60'000;
  std::size_t maxTiles = 50'000;
};

// What the thumbnailer draws: documents within `full` from the full model,
// flat or in relief; larger ones, up to these bounds, flat from their tiles'
// placements, which cost a small part of the memory (see TilePlacements).
// Beyond them a file is refused rather than drawn.
struct ThumbnailLimits {
  DocumentLimits full;
  std::size_t maxBytes = std::size_t(96) << 20;
  std::size_t maxTiles = 2'000'000;
};

// Why a file gave no model.
enum class DocumentFileError {
  none,
  unreadable,   // missing, a folder, a pipe or a device, no permission
  notDocument,  // no header line
  tooLarge,     // more bytes, lines or tiles than the limits allow
};

// The document in the file at path, read and with its settings given to its
// tiles; none, with the reason in error, when the file cannot be read, is no
// document, or exceeds the limits.
std::shared_ptr<OrnivalModel> readDocumentFile(const std::string& path, DocumentFileError& error,
                                               const DocumentLimits& limits = {});
// The same for text decoded already (decodedDocumentText).
std::shared_ptr<OrnivalModel> readDocumentText(std::string_view text, DocumentFileError& error,
                                               const DocumentLimits& limits = {});

}  // namespace ornival
