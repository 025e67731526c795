// Any bytes as a document file: opening and saving must never stop the
// process, hang or lose a tile. A fault is reported and ends the run so that
// libFuzzer keeps the input.

#include "support/DocumentOpen.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string faults =
      ornival::testing::openAndSaveFaults(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!faults.empty()) {
    std::fputs(faults.c_str(), stderr);
    std::abort();
  }
  return 0;
}
