#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ornival {

// Writes data to path so that the file is either its old self or wholly the
// new data, never half written: a temporary file beside it, flushed to disk,
// then renamed over it. The new file gets the permissions a newly created
// file would get. Returns an empty text on success, else why it failed, the
// old file untouched and no temporary file left behind.
std::string writeFileAtomically(const std::filesystem::path& path, std::string_view data);

}  // namespace ornival
