#include "editor_test_support.h"

#include "editor/structure_commands.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/help_viewer.h"
#include "ui_test_support.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

using namespace quillo;
using B = QsciScintillaBase;

class EditorStructureTest : public QObject {
    Q_OBJECT

    static std::string lines(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += "x = " + std::to_string(i) + "\r\n";
        return text;
    }

private slots:
    void bookmarksAreKeptAndComeBack() {
        test::EditorFixture f;
        f.setText(lines(400));
        EditorContext context{f.settings, nullptr, "/tmp/"};
        for (const int line : {300, 3}) {
            f.editor->setBookmarkLine(line);
            QVERIFY(runEditorCommand(Command::BookmarkAdd, *f.editor, context));
        }
        QCOMPARE(bookmarkLines(*f.editor), (std::vector<int>{3, 300}));

        f.editor->setBookmarkLine(4);
        runEditorCommand(Command::BookmarkNext, *f.editor, context);
        QCOMPARE(f.send(B::SCI_LINEFROMPOSITION, f.send(B::SCI_GETCURRENTPOS)), 300);
        f.editor->setBookmarkLine(299);
        runEditorCommand(Command::BookmarkPrevious, *f.editor, context);
        QCOMPARE(f.send(B::SCI_LINEFROMPOSITION, f.send(B::SCI_GETCURRENTPOS)), 3);

        f.editor->setBookmarkLine(3);
        runEditorCommand(Command::BookmarkRemove, *f.editor, context);
        QCOMPARE(bookmarkLines(*f.editor), std::vector<int>{300});

        test::EditorFixture g;
        g.setText(lines(400));
        restoreBookmarks(*g.editor, {3, 300, 0x999});
        QCOMPARE(bookmarkLines(*g.editor), (std::vector<int>{3, 300}));
    }

    void foldAllUnfoldAllAndTheClosedFolds() {
        test::EditorFixture f;
        const std::string text = "sub A\r\n  x\r\nend sub\r\nsub B\r\n  asm\r\n  nop\r\n  end asm\r\nend sub\r\n";
        f.setText(text);
        EditorContext context{f.settings, nullptr, "/tmp/"};
        runEditorCommand(Command::FoldAll, *f.editor, context);
        QCOMPARE(closedFoldLines(*f.editor), (std::vector<int>{0, 3, 4}));
        runEditorCommand(Command::UnfoldAll, *f.editor, context);
        QVERIFY(closedFoldLines(*f.editor).empty());
        for (int line = 0; line < 8; ++line) QVERIFY(f.send(B::SCI_GETLINEVISIBLE, line));

        // Loading: headers fold again; other lines are ignored.
        test::EditorFixture g;
        g.editor->setTextBytes(text);
        restoreClosedFolds(*g.editor, {3, 1});
        QCOMPARE(closedFoldLines(*g.editor), std::vector<int>{3});
        QVERIFY(!g.send(B::SCI_GETLINEVISIBLE, 4));
    }

    void foldAllRightAfterLoadingReachesEveryRoutine() {
        test::EditorFixture f;
        std::string text;
        for (int i = 0; i < 400; ++i) text += "sub s" + std::to_string(i) + "\r\n  x = 1\r\nend sub\r\n";
        f.editor->setTextBytes(text);  // nothing styled yet, as after opening a file
        EditorContext context{f.settings, nullptr, "/tmp/"};
        runEditorCommand(Command::FoldAll, *f.editor, context);
        QCOMPARE(closedFoldLines(*f.editor).size(), std::size_t{400});
        QCOMPARE(closedFoldLines(*f.editor).back(), 399 * 3);
    }

    void autoRemAndUnremAreOneUndoStepEach() {
        test::EditorFixture f;
        f.settings.set(Setting::REM_String, std::string("' "));
        const std::string text = "print 1\r\n  print 2\r\nprint 3\r\nprint 4\r\n";
        f.setText(text);
        f.send(B::SCI_SETSEL, 2, f.lineStart(2) + 3);
        EditorContext context{f.settings, nullptr, "/tmp/"};
        runEditorCommand(Command::AutoRem, *f.editor, context);
        QCOMPARE(f.editor->textBytes(), std::string("' print 1\r\n'   print 2\r\n' print 3\r\nprint 4\r\n"));
        QCOMPARE(f.lineStyles(0), std::string(9, '1'));
        // The same lines stay selected, prefixes included, ready for the way back.
        QCOMPARE(f.send(B::SCI_GETANCHOR), 4);
        QCOMPARE(f.send(B::SCI_GETCURRENTPOS), f.lineStart(2) + 5);
        runEditorCommand(Command::AutoUnrem, *f.editor, context);
        QCOMPARE(QString::fromStdString(f.editor->textBytes()), QString::fromStdString(text));
        QCOMPARE(f.lineStyles(0), std::string("33333.2"));
        f.send(B::SCI_UNDO);
        QCOMPARE(f.editor->textBytes(), std::string("' print 1\r\n'   print 2\r\n' print 3\r\nprint 4\r\n"));
        f.send(B::SCI_UNDO);
        QCOMPARE(f.editor->textBytes(), text);
    }

    void autoRemLeavesALastLineTouchedOnlyAtItsStart() {
        test::EditorFixture f;
        f.settings.set(Setting::REM_String, std::string("' "));
        f.setText("a\r\nb\r\nc\r\nd\r\n");
        f.send(B::SCI_SETSEL, 0, f.lineStart(3));  // three lines selected, down to column 0 of the fourth
        EditorContext context{f.settings, nullptr, "/tmp/"};
        runEditorCommand(Command::AutoRem, *f.editor, context);
        QCOMPARE(f.editor->textBytes(), std::string("' a\r\n' b\r\n' c\r\nd\r\n"));
        QCOMPARE(f.send(B::SCI_GETCURRENTPOS), f.lineStart(3));
    }

    void autoUnremPrefixes() {
        test::EditorFixture f;
        f.setText(";' a\r\nREM b\r\n  ' c\r\nd\r\n");
        f.send(B::SCI_SETSEL, 0, f.lineStart(3) + 1);
        EditorContext context{f.settings, nullptr, "/tmp/"};
        runEditorCommand(Command::AutoUnrem, *f.editor, context);
        QCOMPARE(f.editor->textBytes(), std::string("a\r\nb\r\n  ' c\r\nd\r\n"));
    }

    void routineScanWithEveryLineEnd_data() {
        QTest::addColumn<QString>("eol");
        QTest::newRow("CR LF") << "\r\n";
        QTest::newRow("LF") << "\n";
        QTest::newRow("no final line end") << "";
    }
    void routineScanWithEveryLineEnd() {
        QFETCH(QString, eol);
        const std::string e = eol.isEmpty() ? "\r\n" : eol.toStdString();
        test::EditorFixture f;
        f.setText("Sub Init()" + e + "function Max(a as ubyte, b as ubyte) as ubyte" + e +
                  "Function Beep2()" + e + "sub Move(x as ubyte, y as ubyte)" + eol.toStdString());
        QTreeWidget list;
        refreshExplorerList(&list, *f.editor, f.settings);
        QCOMPARE(list.topLevelItemCount(), 4);
        QCOMPARE(list.topLevelItem(0)->text(0), QString("Beep2"));
        QCOMPARE(list.topLevelItem(1)->text(0), QString("Init"));
        QCOMPARE(list.topLevelItem(2)->text(0), QString("Max"));
        QCOMPARE(list.topLevelItem(3)->text(0), QString("Move"));
        QCOMPARE(list.topLevelItem(0)->background(0).color(), QColor(0xFF, 0, 0));     // FN undef: 0x0000FF
        QCOMPARE(list.topLevelItem(1)->foreground(0).color(), QColor(0xFF, 0xFF, 0));  // SUB: 0x00FFFF
        QCOMPARE(list.topLevelItem(2)->background(0).color(), QColor(0, 0xFF, 0));     // FN def
        const auto& routines = f.editor->routines();
        QCOMPARE(routines[2].parameters, std::string("a as ubyte, b as ubyte"));
        QCOMPARE(routines[2].returnText, std::string("as ubyte"));
        QCOMPARE(routines[3].parameters, std::string("x as ubyte, y as ubyte"));
    }

    void findRoutineAndFindSub() {
        test::EditorFixture f;
        f.setText("sub Draw()\r\nend sub\r\nDraw\r\nSUB draw(x)\r\nend sub\r\n");
        findRoutine(*f.editor, "DRAW");
        QCOMPARE(f.send(B::SCI_GETCURRENTPOS), f.lineStart(3));
        findRoutine(*f.editor, "");
        QCOMPARE(f.send(B::SCI_GETCURRENTPOS), f.lineStart(3));
        f.send(B::SCI_GOTOPOS, f.lineStart(2) + 1);
        EditorContext context{f.settings, nullptr, "/tmp/"};
        QVERIFY(runEditorCommand(Command::FindSub, *f.editor, context));
        QCOMPARE(f.send(B::SCI_GETCURRENTPOS), f.lineStart(3));
        QVERIFY(!runEditorCommand(Command::Compile, *f.editor, context));

        // Far down a long source the routine's first line comes near the top.
        test::EditorFixture g;
        std::string text;
        for (int i = 0; i < 300; ++i) text += "print " + std::to_string(i) + "\r\n";
        g.setText(text + "sub Far()\r\nend sub\r\n" + text);
        g.editor->resize(600, 400);
        findRoutine(*g.editor, "far");
        QCOMPARE(g.send(B::SCI_GETFIRSTVISIBLELINE), 298);
    }

    void helpViewerOpensThePageOfTheHelpFolder() {
        QCOMPARE(helpPageUrl("/opt/quillo/", "Help_Cmd_Bxor.html").toString(),
                 QString("file:///opt/quillo/Quillo_Help/Help_Cmd_Bxor.html"));
        HelpViewer viewer(helpPageUrl("/tmp/", "none.html"), nullptr);
        QCOMPARE(viewer.windowTitle(), QString("Help"));
        QCOMPARE(viewer.size(), QSize(650, 400));
        QCOMPARE(viewer.browser()->size(), QSize(645, 370));
        QCOMPARE(viewer.browser()->source().toString(), QString("file:///tmp/Quillo_Help/none.html"));
    }

    void keywordHelpWithoutAPageSaysSorry() {
        test::EditorFixture f;
        f.setText("scores = 1");
        test::ModalAnswerer answers;
        answers.answerMessage(QMessageBox::Ok);
        EditorContext context{f.settings, nullptr, "/tmp/"};
        QVERIFY(runEditorCommand(Command::Help, *f.editor, context));
        QCOMPARE(answers.titles(), QStringList({"Sorry"}));
        QCOMPARE(answers.seen().back().text, QString("This command is external or help is not written yet"));
    }

    void keywordHelpOpensThePageOfTheWordOrPhrase_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("page");
        QTest::newRow("print") << "PRINT AT 1, 2; \"A\"" << 2 << "Help_Cmd_Print.html";
        QTest::newRow("for") << "for i = 1 to 3" << 0 << "Help_Cmd_For.html";
        QTest::newRow("end sub, caret on end") << "End Sub" << 1 << "Help_Cmd_Sub.html";
        QTest::newRow("end sub, caret on sub") << "End Sub" << 7 << "Help_Cmd_Sub.html";
        QTest::newRow("end alone") << "end" << 3 << "Help_Cmd_End.html";
    }
    void keywordHelpOpensThePageOfTheWordOrPhrase() {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(QString, page);
        // The real pages, laid out beside a program folder as the build does.
        QTemporaryDir folder;
        QVERIFY(QFile::link(QUILLO_SOURCE_DIR "/help", folder.path() + "/Quillo_Help"));
        test::EditorFixture f;
        f.setText(line.toStdString());
        f.caretAt(0, column);
        QUrl source;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* viewer = qobject_cast<HelpViewer*>(QApplication::activeModalWidget());
            if (!viewer) return;
            source = viewer->browser()->source();
            title = viewer->browser()->documentTitle();
            viewer->close();
        });
        EditorContext context{f.settings, nullptr, folder.path() + "/"};
        QVERIFY(runEditorCommand(Command::Help, *f.editor, context));
        QCOMPARE(source, helpPageUrl(folder.path() + "/", page));
        QVERIFY2(title.endsWith(" - Quillo Help"), qPrintable(title));
    }
};

QUILLO_TEST_MAIN(EditorStructureTest);
#include "editor_structure_test.moc"
