#include "pipeline/compiler_annotations.h"
#include "common/editor_marks.h"

#include "common/sci_constants.h"

namespace quillo {

using namespace sci;

namespace {

std::uintptr_t lineArg(int line) { return static_cast<std::uintptr_t>(line); }

void annotate(ScintillaMessages& e, const CompilerMessage& m) {
    std::string text = annotationText(e, m.line);
    if (!text.empty()) text += '\n';
    text += m.text;
    e.send(SCI_ANNOTATIONSETTEXT, lineArg(m.line), reinterpret_cast<std::intptr_t>(text.c_str()));
    if (m.kind == CompilerMessage::Kind::Error)
        e.send(SCI_ANNOTATIONSETSTYLE, lineArg(m.line), kErrorAnnotationStyle);
    else if (e.send(SCI_ANNOTATIONGETSTYLE, lineArg(m.line)) != kErrorAnnotationStyle)
        e.send(SCI_ANNOTATIONSETSTYLE, lineArg(m.line), kWarningAnnotationStyle);
}

}  // namespace

void clearCompilerMarks(ScintillaMessages& e) {
    // The component reports a cleared annotation for every line of the text,
    // and each report runs the editor's notification handler; the clearing
    // needs none of that.
    const std::intptr_t mask = e.send(SCI_GETMODEVENTMASK);
    e.send(SCI_SETMODEVENTMASK, static_cast<std::uintptr_t>(mask & ~std::intptr_t{SC_MOD_CHANGEANNOTATION}));
    e.send(SCI_MARKERDELETEALL, marker::Error);
    e.send(SCI_MARKERDELETEALL, marker::Warning);
    e.send(SCI_ANNOTATIONCLEARALL);
    e.send(SCI_SETMODEVENTMASK, static_cast<std::uintptr_t>(mask));
}

std::string annotationText(ScintillaMessages& e, int line) {
    const std::intptr_t length = e.send(SCI_ANNOTATIONGETTEXT, lineArg(line), 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    e.send(SCI_ANNOTATIONGETTEXT, lineArg(line), reinterpret_cast<std::intptr_t>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

int applyCompilerMessages(ScintillaMessages& e, const std::vector<CompilerMessage>& messages, bool annotations) {
    int first = -1;
    e.send(SCI_ANNOTATIONSETSTYLEOFFSET, 0);
    for (const CompilerMessage& m : messages) {
        if (m.line < 0) continue;
        const bool error = m.kind == CompilerMessage::Kind::Error;
        e.send(SCI_ENSUREVISIBLE, lineArg(m.line));
        e.send(SCI_MARKERADD, lineArg(m.line), error ? marker::Error : marker::Warning);
        if (annotations) annotate(e, m);
        if (first < 0) first = m.line;
    }
    if (first >= 0) {
        e.send(SCI_ENSUREVISIBLE, lineArg(first));
        e.send(SCI_GOTOLINE, lineArg(first));
    }
    e.send(SCI_ANNOTATIONSETVISIBLE, ANNOTATION_BOXED);
    return first;
}

}  // namespace quillo
