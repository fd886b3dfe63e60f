#pragma once
// Marker and margin numbers of the source editor, shared by the editor set-up,
// the bookmark commands and the build's error marks.

namespace quillo {

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
