#pragma once

#include <string>
#include <vector>

namespace ornival::examples {

// One example document: its file name (which the Examples menu turns into
// the title) and its text.
struct ExampleDocument {
  std::string fileName;
  std::string text;
};

// The examples, made the way a user makes them: tiles glued onto free sides,
// ring after ring from a first tile, then coloured and given their settings.
// The same texts on every run.
std::vector<ExampleDocument> exampleDocuments();

}  // namespace ornival::examples
