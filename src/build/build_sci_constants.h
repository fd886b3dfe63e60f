#pragma once
// Scintilla messages and values the build uses for markers, annotations and
// the wait cursor; a check in the Qt layer compares them with the editing
// component's own.

namespace quillo::sci {

inline constexpr int SCI_MARKERDELETEALL = 2045;
inline constexpr int SCI_MARKERGET = 2046;
inline constexpr int SCI_ANNOTATIONSETTEXT = 2540;
inline constexpr int SCI_ANNOTATIONGETTEXT = 2541;
inline constexpr int SCI_ANNOTATIONSETSTYLE = 2542;
inline constexpr int SCI_ANNOTATIONGETSTYLE = 2543;
inline constexpr int SCI_ANNOTATIONCLEARALL = 2547;
inline constexpr int SCI_ANNOTATIONSETVISIBLE = 2548;
inline constexpr int SCI_ANNOTATIONGETVISIBLE = 2549;
inline constexpr int SCI_ANNOTATIONSETSTYLEOFFSET = 2550;
inline constexpr int SCI_ANNOTATIONGETSTYLEOFFSET = 2551;
inline constexpr int SCI_SETCURSOR = 2386;
inline constexpr int SCI_GETMODEVENTMASK = 2378;
inline constexpr int ANNOTATION_BOXED = 2;
inline constexpr int SC_CURSORNORMAL = -1;
inline constexpr int SC_CURSORWAIT = 4;

}  // namespace quillo::sci
