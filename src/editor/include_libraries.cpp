#include "editor/include_libraries.h"

#include <array>

namespace quillo {

namespace {

constexpr auto kLibraries = std::to_array<IncludeLibrary>({
    {"Alloc", "Help_Lib_Alloc.html", "#Include <alloc.bas>"},
    {"Asc", "Help_Lib_Asc.html", "#Include <asc.bas>"},
    {"Attr", "Help_Lib_Attr.html", "#Include <attr.bas>"},
    {"Csrlin", "Help_Lib_Crslin.html", "#Include <csrlin.bas>"},
    {"Hex", "Help_Lib_Hex.html", "#Include <hex.bas>"},
    {"Input", "Help_Lib_Input.html", "#Include <input.bas>"},
    {"Keys", "Help_Lib_Keys.html", "#Include <keys.bas>"},
    {"Memcopy", "Help_Lib_Memcopy.html", "#Include <memcopy.bas>"},
    {"Point", "Help_Lib_Point.html", "#Include <point.bas>"},
    {"Pos", "Help_Lib_Pos.html", "#Include <pos.bas>"},
    {"Print42", "Help_Lib_Print42.html", "#Include <print42.bas>"},
    {"Print64", "Help_Lib_Print64.html", "#Include <print64.bas>"},
    {"Retrace", "Help_Lib_Retrace.html", "#Include <retrace.bas>"},
    {"Screen", "Help_Lib_Screen.html", "#Include <screen.bas>"},
    {"SPFill", "Help_Lib_SPFill.html", "#Include <SP/Fill.bas>"},
    {"Sinclair", "Help_Lib_Sinclair.html", "#Include <sinclair.bas>"},
    {"String", "Help_Lib_String.html", "#Include <string.bas>"},
    {"Ucase", "Help_Lib_Ucase.html", "#Include <string.bas>"},
    {"Fourspriter", "Help_Lib_Fourspriter.html", "#Include <mj/fourspriter.bas>"},
});

}  // namespace

std::span<const IncludeLibrary> includeLibraries() { return kLibraries; }

}  // namespace quillo
