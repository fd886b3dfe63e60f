#include "editor_test_support.h"

#include "editor/ui/help_strip_image.h"
#include "common/charset.h"
#include "ui_test_support.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quillo;
using B = QsciScintillaBase;

class EditorNotificationsTest : public QObject {
    Q_OBJECT

    // Types text at the end of the line, as a user would.
    static void typeAtEnd(test::EditorFixture& f, const std::string& before, const char* typed) {
        f.setText(before);
        f.send(B::SCI_DOCUMENTEND);
        QTest::keyClicks(f.editor.get(), QString::fromLatin1(typed));
    }

private slots:
    void typingPrOffersThePrintWords() {
        test::EditorFixture f;
        typeAtEnd(f, "x = 1: ", "pr");
        QCOMPARE(f.editor->lastCompletionList(), std::string("print'print42'print64'printat42'printat64"));
        QVERIFY(f.send(B::SCI_AUTOCACTIVE));
        QCOMPARE(f.send(B::SCI_AUTOCGETSEPARATOR), '\'');
        QCOMPARE(f.send(B::SCI_AUTOCGETCURRENT), 0);
    }

    void noListForOneCharacterOrInsideStringsAndComments_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::newRow("one character") << "x = 1: " << "p";
        QTest::newRow("inside a string") << "print \"" << "pr";
        QTest::newRow("after rem") << "rem " << "pr";
        QTest::newRow("after apostrophe") << "x=1 ' " << "pr";
        QTest::newRow("rem inside a word") << "theorem x = " << "pr";
    }
    void noListForOneCharacterOrInsideStringsAndComments() {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        test::EditorFixture f;
        typeAtEnd(f, before.toStdString(), typed.toLatin1().constData());
        QVERIFY(!f.send(B::SCI_AUTOCACTIVE));
        QVERIFY(f.editor->lastCompletionList().empty());
    }

    void completionOffOrRoutineNames() {
        test::EditorFixture f;
        f.settings.set(Setting::Autocomplete, 0);
        typeAtEnd(f, "", "pr");
        QVERIFY(!f.send(B::SCI_AUTOCACTIVE));
        f.settings.set(Setting::Autocomplete, 1);
        f.setText("sub DrawFrame()\r\nend sub\r\n");
        f.editor->rescanRoutines();
        f.send(B::SCI_DOCUMENTEND);
        QTest::keyClicks(f.editor.get(), "dra");
        QCOMPARE(f.editor->lastCompletionList(), std::string("draw'DrawFrame"));
    }

    void helpLineVariantsAndRoutines() {
        test::EditorFixture f;
        f.setText("end sub\r\ncontinue\r\nsub Frames(frames as ubyte)\r\nFrames\r\nEND IF\r\n");
        f.caretAt(0, 5);
        QCOMPARE(f.editor->status().helpLine, std::string("END SUB - Ends a SUB block"));
        f.caretAt(0, 1);
        QCOMPARE(f.editor->status().helpLine, std::string("END SUB - Ends a SUB block"));
        f.caretAt(1, 3);
        QCOMPARE(f.editor->status().helpLine, std::string());
        f.editor->rescanRoutines();
        f.caretAt(3, 2);
        QCOMPARE(f.editor->status().helpLine, std::string("Frames(frames as ubyte)"));
        f.caretAt(4, 5);
        QCOMPARE(f.editor->status().helpLine, std::string("END IF - Ends a IF...THEN Block"));
    }

    void longWordsAreHarmless() {
        test::EditorFixture f;
        typeAtEnd(f, std::string(5000, 'a'), "bc");
        QVERIFY(f.editor->status().helpLine.empty());
        QVERIFY(!f.send(B::SCI_AUTOCACTIVE));
    }

    void statusFields() {
        test::EditorFixture f;
        std::string text;
        for (int i = 0; i < 20; ++i) text += "0123456789abcdefghij\r\n";
        f.setText(text.substr(0, text.size() - 2));
        QSignalSpy spy(f.editor.get(), &SourceEditor::statusChanged);
        const int caret = f.lineStart(4) + 3;
        f.send(B::SCI_SETSEL, caret - 12, caret);
        f.restyle();
        QCOMPARE(f.editor->status().position, std::string("3:5 (of 20) [width: 12]"));
        QCOMPARE(f.editor->status().overtype, std::string("Ins"));
        QCOMPARE(f.editor->status().selectionMode, std::string("Std"));
        QCOMPARE(f.editor->status().field(StatusField::Unused), std::string("unused"));
        QCOMPARE(f.editor->status().zoom, std::string("0"));
        QCOMPARE(f.editor->status().currentLine, 4);
        QVERIFY(spy.count() >= 1);
        const int before = spy.count();
        f.restyle();  // nothing changed: no signal
        QCOMPARE(spy.count(), before);
        f.send(B::SCI_SETOVERTYPE, 1);
        f.send(B::SCI_SETZOOM, 3);
        f.send(B::SCI_SETSELECTIONMODE, B::SC_SEL_RECTANGLE);
        f.restyle();
        QCOMPARE(f.editor->status().overtype, std::string("Ovt"));
        QCOMPARE(f.editor->status().zoom, std::string("3"));
        QCOMPARE(f.editor->status().selectionMode, std::string("Rect"));
        QVERIFY(spy.count() > before);
    }

    void braceHighlight() {
        test::EditorFixture f;
        f.settings.set(Setting::BraceHighlight, 1);
        f.setText("a(b))x");
        f.caretAt(0, 1);
        QCOMPARE(f.settings.integer(Setting::BraceHghltd), 1);
        f.caretAt(0, 4);  // the unmatched bracket
        QCOMPARE(f.settings.integer(Setting::BraceHghltd), 0);
        f.caretAt(0, 3);
        QCOMPARE(f.settings.integer(Setting::BraceHghltd), 1);
        f.caretAt(0, 5);  // a letter
        QCOMPARE(f.settings.integer(Setting::BraceHghltd), 0);
    }

    void symbolMarginClickAsksForTheBookmarkMenu() {
        test::EditorFixture f;
        f.setText("a\r\nb\r\nc\r\n");
        QSignalSpy spy(f.editor.get(), &SourceEditor::bookmarkMenuRequested);
        emit f.editor->SCN_MARGINCLICK(f.lineStart(2), 0, 3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(f.editor->bookmarkLine(), 2);
        emit f.editor->SCN_MARGINCLICK(f.lineStart(1), 0, 2);  // the fold margin
        QCOMPARE(spy.count(), 1);
    }

    void helpStripImage() {
        Charset charset{};
        for (int row = 0; row < 8; ++row) charset[static_cast<std::size_t>('A' * 8 + row)] = 0x80;
        const QImage image = renderHelpStrip("A", 83, charset);
        QCOMPARE(image.width(), 80);
        QCOMPARE(image.height(), 8);
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(79, 7), qRgb(0, 0, 0));
        const QImage wide = renderHelpStrip(std::string(400, 'A'), 2560, charset);
        QCOMPARE(wide.width(), 2560);
        // The cell screen holds 255 characters a write and 256 columns.
        QCOMPARE(wide.pixel(254 * 8, 0), qRgb(255, 255, 0));
        QCOMPARE(wide.pixel(255 * 8, 0), qRgb(0, 0, 0));
        QCOMPARE(wide.pixel(2559, 0), qRgb(0, 0, 0));
    }
};

QUILLO_TEST_MAIN(EditorNotificationsTest);
#include "editor_notifications_test.moc"
