#pragma once
#include <span>

namespace quillo {

// One of the compiler's include libraries: its name in the helper's list,
// its page in the help folder and the line that includes it.
struct IncludeLibrary {
    const char* name;
    const char* helpPage;
    const char* includeLine;
};

// In list order. Page names are file names of the help folder, kept exactly
// (including "Help_Lib_Crslin.html"). Include lines name the library files
// as the compiler finds them on a case-sensitive file system: lower case,
// and string.bas for UCase, which moved there from ucase.bas.
std::span<const IncludeLibrary> includeLibraries();

}  // namespace quillo
