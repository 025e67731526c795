#include "app/core/Examples.h"

#include "platform/Localization.h"

#include <algorithm>
#include <system_error>

namespace ornival {
namespace {

// Letters with an upper-case form of their own are the ones that change;
// digits, blanks and punctuation count as capital-like. Only ASCII letters
// are told apart here: other characters count as capital-like.
bool isCapitalLike(char c) { return !(c >= 'a' && c <= 'z'); }

// The file URL text the entries sort by: percent-encoded as a URL gives it,
// so that "10-" sorts before "2-" and a blank sorts as "%20".
std::string urlText(const std::filesystem::path& path) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string out = "file://";
  for (const unsigned char c : path.string()) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       std::string_view("-._~/!$&'()*+,;=:@").find(char(c)) != std::string_view::npos;
    if (plain) {
      out += char(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

// Every entry of the folder sorted by URL text; none when it cannot be read.
std::vector<std::filesystem::path> sortedEntries(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> entries;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error)
    return {};
  for (const auto& entry : it)
    entries.push_back(entry.path());
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return urlText(a) < urlText(b); });
  return entries;
}

std::string extensionOf(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  return extension.empty() ? extension : extension.substr(1);
}

MenuItem documentEntry(const std::filesystem::path& file) {
  MenuItem item;
  item.title = exampleTitle(file.filename().string(), extensionOf(file));
  if (item.title.empty()) {
    item.separator = true;
    return item;
  }
  item.action = "openExample";
  item.representedObject = file.string();
  return item;
}

}  // namespace

// The titles of the examples that come with the program, as their file
// names give them, for the translators' catalogue.
[[maybe_unused]] constexpr const char* shippedExampleTitles[] = {
    ORNIVAL_TEXT("Examples", "Star And Cross"),   ORNIVAL_TEXT("Examples", "Octagons And Squares"),
    ORNIVAL_TEXT("Examples", "Twelve Fold"),      ORNIVAL_TEXT("Examples", "Ten Fold"),
    ORNIVAL_TEXT("Examples", "Seven Fold"),       ORNIVAL_TEXT("Examples", "Border Bands"),
    ORNIVAL_TEXT("Examples", "Metal Relief"),     ORNIVAL_TEXT("Examples", "Colour Regions"),
    ORNIVAL_TEXT("Examples", "Group Tiles"),      ORNIVAL_TEXT("Examples", "Interlaced Stars"),
    ORNIVAL_TEXT("Examples", "Rosette Field"),    ORNIVAL_TEXT("Examples", "Carved Stone"),
};

std::string exampleTitle(std::string_view fileName, std::string_view extension) {
  std::string s(fileName);
  const std::string suffix = "." + std::string(extension);
  for (std::size_t at = s.find(suffix); at != std::string::npos; at = s.find(suffix, at))
    s.erase(at, suffix.size());
  if (const std::size_t dash = s.find('-'); dash != std::string::npos)
    s.erase(0, dash + 1);
  std::string title;
  bool previousCapital = true;
  for (const char c : s) {
    const bool capital = isCapitalLike(c);
    if (capital && c != '-' && !previousCapital)
      title += ' ';
    if (!(c == '0' && !previousCapital))
      title += c;
    previousCapital = capital;
  }
  const std::size_t first = title.find_first_not_of(" \t");
  if (first == std::string::npos)
    return {};
  const std::size_t last = title.find_last_not_of(" \t");
  return localized("Examples", title.substr(first, last - first + 1).c_str());
}

std::vector<MenuItem> makeExamplesMenu(const std::filesystem::path& folder) {
  std::vector<MenuItem> menu;
  for (const auto& entry : sortedEntries(folder)) {
    if (extensionOf(entry) == "ornival") {
      menu.push_back(documentEntry(entry));
      continue;
    }
    MenuItem submenu;
    submenu.title = exampleTitle(entry.filename().string(), extensionOf(entry));
    for (const auto& file : sortedEntries(entry))
      if (extensionOf(file) == "ornival")
        submenu.submenu.push_back(documentEntry(file));
    menu.push_back(std::move(submenu));
  }
  return menu;
}

std::filesystem::path examplesFolder(const std::filesystem::path& executable) {
  std::error_code error;
  const auto directory = executable.parent_path();
  for (const auto& candidate : {directory / "examples", directory / ".." / "share" / "ornival" / "examples"})
    if (std::filesystem::is_directory(candidate, error))
      return candidate.lexically_normal();
  return {};
}

std::filesystem::path firstExample(const std::filesystem::path& folder) {
  for (const MenuItem& item : makeExamplesMenu(folder)) {
    if (!item.representedObject.empty())
      return item.representedObject;
    for (const MenuItem& inner : item.submenu)
      if (!inner.representedObject.empty())
        return inner.representedObject;
  }
  return {};
}

}  // namespace ornival
