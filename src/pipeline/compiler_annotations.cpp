#include "pipeline/compiler_annotations.h"
#include "common/editor_marks.h"

#include "common/sci_constants.h"

#include <unordered_map>

namespace quillo {

using namespace sci;

namespace {

std::uintptr_t lineArg(int line) { return static_cast<std::uintptr_t>(line); }

// Everything one line gets from a build, gathered before the editor is told,
// so each line's annotation is set once however many messages it has.
struct LineMarks {
    std::string text;
    bool error = false;
    bool warning = false;
};

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
    std::unordered_map<int, LineMarks> marks;
    std::vector<int> lines;  // in the order their first message came
    for (const CompilerMessage& m : messages) {
        if (m.line < 0) continue;
        auto [at, fresh] = marks.try_emplace(m.line);
        LineMarks& line = at->second;
        if (fresh) {
            lines.push_back(m.line);
            if (annotations) line.text = annotationText(e, m.line);
        }
        if (m.kind == CompilerMessage::Kind::Error) line.error = true;
        else line.warning = true;
        if (annotations) {
            if (!line.text.empty()) line.text += '\n';
            line.text += m.text;
        }
    }
    e.send(SCI_ANNOTATIONSETSTYLEOFFSET, 0);
    for (const int number : lines) {
        const LineMarks& line = marks[number];
        e.send(SCI_ENSUREVISIBLE, lineArg(number));
        if (line.error) e.send(SCI_MARKERADD, lineArg(number), marker::Error);
        if (line.warning) e.send(SCI_MARKERADD, lineArg(number), marker::Warning);
        if (!annotations) continue;
        e.send(SCI_ANNOTATIONSETTEXT, lineArg(number), reinterpret_cast<std::intptr_t>(line.text.c_str()));
        // An error's style wins over a warning's on a shared line.
        e.send(SCI_ANNOTATIONSETSTYLE, lineArg(number), line.error ? kErrorAnnotationStyle : kWarningAnnotationStyle);
    }
    const int first = lines.empty() ? -1 : lines.front();
    if (first >= 0) {
        e.send(SCI_ENSUREVISIBLE, lineArg(first));
        e.send(SCI_GOTOLINE, lineArg(first));
    }
    e.send(SCI_ANNOTATIONSETVISIBLE, ANNOTATION_BOXED);
    return first;
}

}  // namespace quillo
