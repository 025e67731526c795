// Writes the example documents into the folder given (examples/ of the
// source tree, say): `ornival_examples <folder>`.

#include "ExampleDocuments.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ornival_examples FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const auto& example : ornival::examples::exampleDocuments()) {
    std::ofstream file(folder / example.fileName, std::ios::binary);
    file << example.text;
    if (!file) {
      std::cerr << "cannot write " << (folder / example.fileName).string() << "\n";
      return 1;
    }
  }
  return 0;
}
