#pragma once
#include "common/editor_marks.h"
#include "pipeline/output_parser.h"
#include "common/scintilla_messages.h"

#include <string>
#include <vector>

namespace quillo {

inline constexpr int kErrorAnnotationStyle = basic_style::ErrorAnnotation;
inline constexpr int kWarningAnnotationStyle = basic_style::WarningAnnotation;

// Removes the error and warning markers and every annotation, so nothing of
// an earlier build stays in the editor.
void clearCompilerMarks(ScintillaMessages& editor);

// Call clearCompilerMarks() first: clearing annotations notifies once per
// line of the text, so it is done once per build, not here again.
// Marks each message's line (marker 1 for errors, 2 for warnings), writes
// its text as an annotation below any earlier one of that line unless
// annotations is false, shows them boxed and moves the caret to the first
// marked line. An error's style wins over a warning's on a shared line.
// Returns the first marked line, or -1.
int applyCompilerMessages(ScintillaMessages& editor, const std::vector<CompilerMessage>& messages, bool annotations);

// A line's annotation text (empty when it has none).
std::string annotationText(ScintillaMessages& editor, int line);

}  // namespace quillo
