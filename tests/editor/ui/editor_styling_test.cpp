#include "editor_test_support.h"

#include "editor/ui/editor_commands.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QFile>
#include <QtTest>

using namespace quillo;
using B = QsciScintillaBase;

class EditorStylingTest : public QObject {
    Q_OBJECT
private slots:
    void keywordsShowUpperCaseButKeepTheirText() {
        test::EditorFixture f;
        f.setText("print x\r\n");
        QCOMPARE(f.lineStyles(0), std::string("33333.."));
        QCOMPARE(f.editor->textBytes(), std::string("print x\r\n"));
        for (const int style : {3, 8, 9, 11}) QCOMPARE(f.send(B::SCI_STYLEGETCASE, style), B::SC_CASE_UPPER);
        for (const int style : {1, 2, 4, 7, 10, 12}) QCOMPARE(f.send(B::SCI_STYLEGETCASE, style), B::SC_CASE_MIXED);
    }

    void tokens_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("styles");
        QTest::newRow("unterminated string") << "print \"abc" << "33333.4444";
        QTest::newRow("hex and binary") << "x = $FF + %1010" << "..a.222.a.22222";
        QTest::newRow("lone dollar") << "a $ b" << "..2..";
        QTest::newRow("directive") << "#include" << "bbbbbbbb";
        QTest::newRow("directive with blank") << "# include" << "bbbbbbbbb";
        QTest::newRow("call with blank") << "foo (1)" << "7777727";
        QTest::newRow("number") << "1.5" << "222";
        QTest::newRow("not a number") << "1.2.3" << ".....";
        QTest::newRow("apostrophe comment") << "x ' note {" << "..11111111";
        QTest::newRow("rem comment") << "REM note {" << "1111111111";
        QTest::newRow("label") << "@lab" << "6666";
        QTest::newRow("library and types") << "dim s as string" << "333...33.999999";
    }
    void tokens() {
        QFETCH(QString, line);
        QFETCH(QString, styles);
        test::EditorFixture f;
        f.setText(line.toStdString() + "\r\nprint\r\n");
        QCOMPARE(QString::fromStdString(f.lineStyles(0)), styles);
        // One bad line never disturbs the next.
        QCOMPARE(f.lineStyles(1), std::string("33333"));
    }

    void foldRegions() {
        test::EditorFixture f;
        f.setText(
            "Sub Main\r\n"        // 0 header
            "  asm\r\n"           // 1 header
            "    ld a,1\r\n"      // 2
            "  end asm\r\n"       // 3
            "  {\r\n"             // 4 header
            "  }\r\n"             // 5
            "  Sub Indented\r\n"  // 6 no fold
            "End Sub\r\n"         // 7
            "Declare Function F() as ubyte\r\n"  // 8 no fold: a declaration has no END
            "{abc\r\n");          // 9 no fold
        QVERIFY(f.isHeader(0));
        QCOMPARE(f.levelNumber(0), 0x400);
        QVERIFY(f.isHeader(1));
        QCOMPARE(f.levelNumber(2), 0x402);
        QCOMPARE(f.levelNumber(3), 0x402);
        QVERIFY(f.isHeader(4));
        QCOMPARE(f.levelNumber(5), 0x402);
        QVERIFY(!f.isHeader(6));
        QCOMPARE(f.levelNumber(7), 0x401);
        QVERIFY(!f.isHeader(8));
        QCOMPARE(f.levelNumber(8), 0x400);
        QVERIFY(!f.isHeader(9));
        QCOMPARE(f.levelNumber(9), 0x400);
    }

    void editingInsideARegionKeepsTheLevels() {
        test::EditorFixture f;
        f.setText("Sub Main\r\n  x = 1\r\n  y = 2\r\nEnd Sub\r\nprint\r\n");
        // Type on the line right after the header: styling restarts there.
        f.send(B::SCI_INSERTTEXT, f.lineStart(1) + 2, reinterpret_cast<std::intptr_t>("z = 3: "));
        f.restyle();
        QCOMPARE(f.levelNumber(1), 0x401);
        QCOMPARE(f.levelNumber(2), 0x401);
        QCOMPARE(f.levelNumber(4), 0x400);
        // Restyling only the lines after the header gives the same levels.
        f.editor->styler().restyle(2, -1);
        QCOMPARE(f.levelNumber(2), 0x401);
        QCOMPARE(f.levelNumber(3), 0x401);
        QCOMPARE(f.levelNumber(4), 0x400);
        QCOMPARE(f.lineStyles(1), std::string("....a.2d...a.2"));
        // Nor after the line that closes the region.
        f.editor->styler().restyle(4, -1);
        QCOMPARE(f.levelNumber(4), 0x400);
    }

    void marginClickTogglesAFold() {
        test::EditorFixture f;
        f.setText("Sub Main\r\n  x = 1\r\nEnd Sub\r\n");
        emit f.editor->SCN_MARGINCLICK(0, 0, 2);
        QCOMPARE(f.send(B::SCI_GETFOLDEXPANDED, 0), 0);
        QCOMPARE(f.send(B::SCI_GETLINEVISIBLE, 1), 0);
        emit f.editor->SCN_MARGINCLICK(f.lineStart(1), 0, 2);  // not a header: nothing
        emit f.editor->SCN_MARGINCLICK(0, 0, 2);
        QCOMPARE(f.send(B::SCI_GETFOLDEXPANDED, 0), 1);
    }

    void lineNumberMarginWidensWithTheLineCount() {
        test::EditorFixture f;
        f.setText("1");
        int previous = static_cast<int>(f.send(B::SCI_GETMARGINWIDTHN, 0));
        for (const int lines : {10, 100, 1000}) {
            std::string text;
            for (int i = 1; i < lines; ++i) text += "x\r\n";
            f.setText(text + "x");
            const int width = static_cast<int>(f.send(B::SCI_GETMARGINWIDTHN, 0));
            QVERIFY2(width > previous, qPrintable(QString::number(lines)));
            previous = width;
        }
    }

    void newLineTakesThePreviousIndentation() {
        test::EditorFixture f;
        f.setText("  print");
        f.send(B::SCI_GOTOPOS, 7);
        QTest::keyClick(f.editor.get(), Qt::Key_Return);
        const int line = static_cast<int>(f.send(B::SCI_LINEFROMPOSITION, f.send(B::SCI_GETCURRENTPOS)));
        QCOMPARE(line, 1);
        QCOMPARE(f.send(B::SCI_GETLINEINDENTATION, 1), 2);
        QCOMPARE(f.send(B::SCI_GETCURRENTPOS), f.send(B::SCI_GETLINEINDENTPOSITION, 1));
    }

    void settingsReachStylesAndMarkers() {
        test::EditorFixture f;
        f.settings.set(Setting::ErrMark, 12);
        f.settings.set(Setting::BasFG, 0x123456);
        f.settings.set(Setting::BasBold, 0);
        f.settings.set(Setting::Tab_Width, 4);
        f.settings.set(Setting::WordWrap, 1);
        f.editor->applySettings(f.settings);
        QCOMPARE(f.send(B::SCI_MARKERSYMBOLDEFINED, 1), B::SC_MARK_BACKGROUND);
        QCOMPARE(f.send(B::SCI_MARKERSYMBOLDEFINED, 0), B::SC_MARK_SHORTARROW);
        QCOMPARE(f.send(B::SCI_STYLEGETFORE, 3), 0x123456);
        QCOMPARE(f.send(B::SCI_STYLEGETBOLD, 3), 0);
        QCOMPARE(f.send(B::SCI_STYLEGETBOLD, 8), 1);
        QCOMPARE(f.send(B::SCI_STYLEGETITALIC, 14), 1);
        QCOMPARE(f.send(B::SCI_STYLEGETBACK, 4), 0xA00000);
        QCOMPARE(f.send(B::SCI_STYLEGETBACK, B::STYLE_BRACELIGHT), 0x00FFFF);
        QCOMPARE(f.send(B::SCI_GETTABWIDTH), 4);
        QCOMPARE(f.send(B::SCI_GETUSETABS), 1);
        QCOMPARE(f.send(B::SCI_GETWRAPMODE), B::SC_WRAP_WORD);
        QCOMPARE(f.send(B::SCI_GETMARGINWIDTHN, 3), 20);
        QCOMPARE(f.send(B::SCI_GETMARGINWIDTHN, 2), 20);
        QCOMPARE(f.send(B::SCI_GETMARGINMASKN, 3), 0x1F);
        QCOMPARE(f.send(B::SCI_GETMARGINSENSITIVEN, 3), 1);
        QCOMPARE(f.send(B::SCI_MARKERSYMBOLDEFINED, B::SC_MARKNUM_FOLDER), B::SC_MARK_ARROW);
        QCOMPARE(f.send(B::SCI_GETLEXER), B::SCLEX_CONTAINER);
        QCOMPARE(f.send(B::SCI_GETCODEPAGE), B::SC_CP_UTF8);
        QCOMPARE(f.send(B::SCI_GETPRINTCOLOURMODE), B::SC_PRINT_BLACKONWHITE);  // printouts: dark on white
        QCOMPARE(f.editor->styler().features(), 0x2Du);
        QCOMPARE(f.send(B::SCI_GETCARETLINEVISIBLE), 0);
    }

    // The real editor gives the golden styles and levels of the sample, the
    // driver adding nothing to what the line tokeniser decides.
    void goldenSampleInTheRealEditor() {
        QFile source(QUILLO_TEST_DATA "/editor_styling_sample.bas");
        QFile golden(QUILLO_TEST_DATA "/editor_styling_sample.styles");
        QVERIFY(source.open(QIODevice::ReadOnly) && golden.open(QIODevice::ReadOnly));
        const QByteArray text = source.readAll().replace("\n", "\r\n");
        const QList<QByteArray> expected = golden.readAll().split('\n');
        test::EditorFixture f;
        f.setText(text.toStdString());
        for (int line = 0; line < expected.size() && !expected[line].isEmpty(); ++line) {
            const QString actual = QString::asprintf("%03X%c ", f.levelNumber(line), f.isHeader(line) ? 'H' : ' ') +
                                   QString::fromStdString(f.lineStyles(line));
            QCOMPARE(actual, QString::fromLatin1(expected[line]));
        }
    }

    void accessibilityIsAPlainWidget() {
        test::EditorFixture f;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(f.editor.get());
        QVERIFY(iface);
        QVERIFY(!iface->textInterface());
        QCOMPARE(iface->role(), QAccessible::EditableText);
    }
};

QUILLO_TEST_MAIN(EditorStylingTest);
#include "editor_styling_test.moc"
