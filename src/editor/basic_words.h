#pragma once

namespace quillo {

class WordTable;

// Style numbers of the source editors.
namespace basic_style {
inline constexpr int Comment = 1;
inline constexpr int Number = 2;
inline constexpr int Keyword = 3;
inline constexpr int String = 4;
inline constexpr int Label = 6;
inline constexpr int Function = 7;
inline constexpr int Assembler = 8;
inline constexpr int DataType = 9;
inline constexpr int Operator = 10;
inline constexpr int Directive = 11;
inline constexpr int Library = 12;
inline constexpr int Separator = 13;
inline constexpr int ErrorAnnotation = 14;
inline constexpr int WarningAnnotation = 15;
}  // namespace basic_style

// Characters that end a word in the source editors.
inline constexpr const char* kBasicSeparators = "=+-*/%()[],.:;<>&|~";

// Registers the language's word tables, delimiters, REM and the apostrophe,
// in the order that decides which style a word registered twice ends with.
void registerBasicWords(WordTable& words);

}  // namespace quillo
