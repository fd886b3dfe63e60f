#include "pipeline/compiler_annotations.h"
#include "common/editor_marks.h"

#include "app/settings.h"
#include "common/sci_constants.h"
#include "editor/ui/source_editor.h"
#include "ui_test_support.h"

#include "common/kept_output.h"

#include <QDir>
#include <QTest>

using namespace quillo;

namespace {

const CompiledFiles kFiles{"/zx/", {"/zx/temp.bas", "/zx/game.bas"}};

// The output lines of one build marked in a fresh editor of 20 lines.
class Marked {
public:
    explicit Marked(const std::vector<std::string>& output, bool annotations = true)
        : settings_(QDir::homePath().toStdString() + "/") {
        editor_.configure(settings_);
        std::string text;
        for (int i = 0; i < 20; ++i) text += "10 PRINT " + std::to_string(i) + "\n";
        editor_.setTextBytes(text);
        clearCompilerMarks(editor_);
        QObject::connect(&editor_, &QsciScintillaBase::SCN_MODIFIED, &editor_,
                         [this](int, int type, const char*, int, int, int, int, int, int, int) {
                             if (type & sci::SC_MOD_CHANGEANNOTATION) ++annotationChanges;
                         });
        KeptOutput lines;
        for (const std::string& line : output) lines.feed(line + "\n");
        std::vector<CompilerMessage> messages;
        parseCompilerOutput(lines, kFiles, messages);
        first = applyCompilerMessages(editor_, messages, annotations);
    }
    int marker(int line) { return static_cast<int>(editor_.send(sci::SCI_MARKERGET, static_cast<std::uintptr_t>(line))); }
    std::string text(int line) { return annotationText(editor_, line); }
    int style(int line) {
        return static_cast<int>(editor_.send(sci::SCI_ANNOTATIONGETSTYLE, static_cast<std::uintptr_t>(line)));
    }
    int caretLine() {
        return static_cast<int>(
            editor_.send(sci::SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(editor_.caretPosition())));
    }
    int visibility() { return static_cast<int>(editor_.send(sci::SCI_ANNOTATIONGETVISIBLE)); }
    SourceEditor& editor() { return editor_; }
    int first = -2;
    int annotationChanges = 0;

private:
    Settings settings_;
    SourceEditor editor_;
};

constexpr int kError = 1 << marker::Error;
constexpr int kWarning = 1 << marker::Warning;

}  // namespace

class CompilerAnnotationsTest : public QObject {
    Q_OBJECT
private slots:
    void errorLineGetsMarkerOneAndStyle14() {
        Marked m({"temp.bas:12: Syntax Error"});
        QCOMPARE(m.marker(11), kError);
        QCOMPARE(m.text(11), std::string("Error: Syntax Error"));
        QCOMPARE(m.style(11), kErrorAnnotationStyle);
        QCOMPARE(m.first, 11);
        QCOMPARE(m.caretLine(), 11);
        QCOMPARE(m.visibility(), sci::ANNOTATION_BOXED);
    }

    void warningLineGetsMarkerTwoAndStyle15() {
        Marked m({"/zx/temp.bas:7: warning: Infinite empty loop", "/zx/temp.bas:8: Warning: capital"});
        QCOMPARE(m.marker(6), kWarning);
        QCOMPARE(m.text(6), std::string("Warning: Infinite empty loop"));
        QCOMPARE(m.style(6), kWarningAnnotationStyle);
        QCOMPARE(m.marker(7), kWarning);
    }

    void warningAfterErrorKeepsTheErrorStyle() {
        Marked m({"temp.bas:3: error: Unexpected end of line", "temp.bas:3: warning: [W100] implicit type"});
        QCOMPARE(m.marker(2), kError | kWarning);
        QCOMPARE(m.text(2), std::string("Error: Unexpected end of line\nWarning: [W100] implicit type"));
        QCOMPARE(m.style(2), kErrorAnnotationStyle);
    }

    void errorAfterWarningTakesTheErrorStyle() {
        Marked m({"temp.bas:4: warning: first", "temp.bas:4: error: second"});
        QCOMPARE(m.text(3), std::string("Warning: first\nError: second"));
        QCOMPARE(m.style(3), kErrorAnnotationStyle);
    }

    void twoMessagesOlderFirstAndCaretOnTheFirstInOutputOrder() {
        Marked m({"temp.bas:9: error: one", "temp.bas:2: error: two", "temp.bas:9: error: three"});
        QCOMPARE(m.text(8), std::string("Error: one\nError: three"));
        QCOMPARE(m.first, 8);
        QCOMPARE(m.caretLine(), 8);
    }

    void manyMessagesOnOneLineSetItsAnnotationOnce() {
        std::vector<std::string> output;
        std::string expected;
        for (int i = 0; i < 2000; ++i) {
            output.push_back("temp.bas:5: warning: number " + std::to_string(i));
            if (i > 0) expected += '\n';
            expected += output.back().substr(output.back().find("warning: ") + 9).insert(0, "Warning: ");
        }
        output.emplace_back("temp.bas:6: error: next");
        Marked m(output);
        QCOMPARE(m.text(4), expected);
        QCOMPARE(m.annotationChanges, 4);  // text and style, once each for each of the two lines
        QCOMPARE(m.marker(4), kWarning);
    }

    void messageCutAtItsNextColon() {
        Marked m({"game.bas:5: error: Expected: THEN"});
        QCOMPARE(m.text(4), std::string("Error: Expected"));
    }

    void otherFilesAndSystemLinesMarkNothing() {
        Marked m({"sub/inc.bas:2: error: Unexpected end of line", "\x1A 12:00:00 -> temp.bas:3: error: x",
                  "Exit code: 1", "incmissing.bas:0: error: file 'nonexistent.bas' not found",
                  "C:\\zx\\temp.bas:5: error: drive"});
        for (int line = 0; line < 20; ++line) QCOMPARE(m.marker(line), 0);
        QCOMPARE(m.first, -1);
    }

    void annotationsOffStillMarksAndMovesTheCaret() {
        Marked m({"temp.bas:6: error: broken"}, false);
        QCOMPARE(m.marker(5), kError);
        QCOMPARE(m.text(5), std::string());
        QCOMPARE(m.caretLine(), 5);
    }

    void lineBeyondTheTextIsHarmless() {
        Marked m({"temp.bas:500: error: far away", "temp.bas:2: error: near"});
        QCOMPARE(m.marker(1), kError);
        QCOMPARE(m.text(1), std::string("Error: near"));
    }

    void clearingRemovesMarkersAndBoxes() {
        Marked m({"temp.bas:2: error: x", "temp.bas:3: warning: y"});
        m.editor().send(sci::SCI_MARKERADD, 4, 0);  // a bookmark stays
        clearCompilerMarks(m.editor());
        QCOMPARE(m.marker(1), 0);
        QCOMPARE(m.marker(2), 0);
        QCOMPARE(m.marker(4), 1);
        QCOMPARE(m.text(1), std::string());
    }
};

QUILLO_TEST_MAIN(CompilerAnnotationsTest);
#include "compiler_annotations_test.moc"
