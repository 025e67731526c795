// ThreadSanitizer's defaults for the test programs. Qt is not built with
// ThreadSanitizer: its raster painter hands work to a pool of its own through
// futex-based locks the sanitizer cannot see, so the allocations of that pool
// read as races whenever a test paints a window while its event loop turns.
// Calls made from libraries without instrumentation are left out; every
// access of our own code is still checked. TSAN_OPTIONS adds to these.
extern "C" const char* __tsan_default_options() { return "ignore_noninstrumented_modules=1"; }
