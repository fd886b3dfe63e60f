// Drives the entry of the same name in fuzz_entries.cpp.
#include "fuzz_entries.h"

QUILLO_FUZZ_TARGET(screen_file)
