#pragma once

#include <cstdlib>

// A broken invariant or a programming error ends the process at once and
// quietly: carrying on would only corrupt what the user made. Input from files
// and users must never reach this; it is checked and handled where it enters.
#define ORNIVAL_PRECONDITION(condition) \
  do { \
    if (!(condition)) [[unlikely]] \
      std::abort(); \
  } while (false)
