#pragma once
// Style, marker and margin numbers of the source editor, shared by the
// editor set-up, the styler, the bookmark commands and the build's error marks.

namespace quillo {

// Styles the source styler gives to the language's words.
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

namespace marker {
enum : int {
    Bookmark = 0,
    Error = 1,
    Warning = 2,
};
inline constexpr int kBookmarkMask = 1 << Bookmark;
}  // namespace marker

namespace margin {
enum : int {
    LineNumbers = 0,
    Hidden = 1,   // zero width; holds the bookmark and error markers' mask
    Fold = 2,
    Symbols = 3,  // bookmarks, errors and warnings
};
}  // namespace margin

}  // namespace quillo
