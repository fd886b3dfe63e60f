#pragma once
#include "common/editor_marks.h"

namespace quillo {

class WordTable;

// Style numbers of the source editors.

// Characters that end a word in the source editors.
inline constexpr const char* kBasicSeparators = "=+-*/%()[],.:;<>&|~";

// Registers the language's word tables, delimiters, REM and the apostrophe,
// in the order that decides which style a word registered twice ends with.
void registerBasicWords(WordTable& words);

}  // namespace quillo
