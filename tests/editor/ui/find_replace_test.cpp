#include "editor_test_support.h"

#include "editor/find_text.h"
#include "editor/ui/find_window.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace quillo;
using B = QsciScintillaBase;

class FindReplaceTest : public QObject {
    Q_OBJECT

    struct Window {
        test::EditorFixture f;
        SearchHistory history;
        FindWindow window{[this] { return f.editor.get(); }, history, nullptr};
        test::ModalAnswerer answers;

        void search(const char* text, const char* replacement = "") {
            window.findChild<QComboBox*>("findText")->setEditText(QString::fromLatin1(text));
            window.findChild<QLineEdit*>("replaceText")->setText(QString::fromLatin1(replacement));
        }
        QString selection() {
            const auto start = f.send(B::SCI_GETSELECTIONSTART), end = f.send(B::SCI_GETSELECTIONEND);
            return QString::fromStdString(f.editor->textBytes().substr(start, end - start));
        }
    };

private slots:
    void aHitEndingAtTheEndOfTheTextIsFoundAndSelected() {
        Window w;
        w.f.setText("a = 1\r\nprint xy");
        w.search("xy");
        QVERIFY(w.window.findFromStart());
        QCOMPARE(w.selection(), QStringLiteral("xy"));
        QCOMPARE(w.f.send(B::SCI_GETCURRENTPOS), w.f.editor->textLength());
        // Behind the last hit: "Sorry", and the selection stays.
        w.answers.answerMessage();
        QVERIFY(!w.window.findNext());
        QCOMPARE(w.answers.titles(), QStringList{"Sorry"});
        QCOMPARE(w.answers.seen().at(0).text, QStringLiteral("Search expression not found (anymore)"));
        QCOMPARE(w.selection(), QStringLiteral("xy"));
    }

    void hitsInStringsOrCommentsAreSkippedByTheirStyle() {
        test::EditorFixture f;
        // Not styled yet: the search asks for the styles it needs.
        f.editor->setTextBytes("print \"abc\" ' abc\r\nabc = 1\r\n");
        QCOMPARE(findText(*f.editor, "abc", 0, 0), 7L);
        QCOMPARE(findText(*f.editor, "abc", 0, find_flag::ExcludeStrings), 14L);
        QCOMPARE(findText(*f.editor, "abc", 0, find_flag::ExcludeStrings | find_flag::ExcludeComments), 19L);
        QCOMPARE(findText(*f.editor, "abc", 0, find_flag::ExcludeComments), 7L);
    }

    void ignoreCaseFindsCapitals() {
        test::EditorFixture f;
        f.setText("10 PRINT x");
        QCOMPARE(findText(*f.editor, "print", 0, 0), -1L);
        QCOMPARE(findText(*f.editor, "print", 0, find_flag::IgnoreCase), 3L);
        QCOMPARE(findText(*f.editor, "", 0, find_flag::IgnoreCase), -1L);
    }

    void replaceAllByALongerTextContainingItEndsAndIsOneUndoStep() {
        Window w;
        const std::string text = "ab x ab\r\nab";
        w.f.setText(text);
        w.f.send(B::SCI_EMPTYUNDOBUFFER);
        w.f.send(B::SCI_GOTOPOS, 0);  // Replace All goes on from the caret
        w.search("ab", "abab");
        w.answers.answerMessage();
        QCOMPARE(w.window.replaceAll(), 3);
        QCOMPARE(w.f.editor->textBytes(), std::string("abab x abab\r\nabab"));
        QCOMPARE(w.answers.titles(), QStringList{"Sorry"});
        QCOMPARE(w.f.send(B::SCI_GETCURRENTPOS), w.f.editor->textLength());
        w.f.send(B::SCI_UNDO);
        QCOMPARE(w.f.editor->textBytes(), text);
        QVERIFY(!w.f.send(B::SCI_CANUNDO));
    }

    void replaceChangesOnlyAHitAndSearchesOn() {
        Window w;
        w.f.setText("keep ab ab");
        w.f.send(B::SCI_SETSEL, 0, 4);  // "keep" is no hit of "ab"
        w.search("ab", "c");
        QVERIFY(w.window.replace());
        QCOMPARE(w.f.editor->textBytes(), std::string("keep ab ab"));
        QVERIFY(w.window.replace());
        QCOMPARE(w.f.editor->textBytes(), std::string("keep c ab"));
        QCOMPARE(w.selection(), QStringLiteral("ab"));
    }

    void anEmptyTextFindsNothingAndSaysSo() {
        Window w;
        w.f.setText("abc");
        w.search("");
        w.answers.answerMessage();
        w.answers.answerMessage();
        QVERIFY(!w.window.findNext());
        QCOMPARE(w.window.replaceAll(), 0);
        QCOMPARE(w.answers.titles(), (QStringList{"Sorry", "Sorry"}));
        QCOMPARE(w.f.editor->textBytes(), std::string("abc"));
        QVERIFY(w.history.entries().empty());
    }

    void theHistoryKeeps21TextsNewestFirst() {
        Window w;
        w.f.setText("t0 t1 t2 t3 t4 t5 t6 t7 t8 t9 t10 t11 t12 t13 t14 t15 t16 t17 t18 t19 t20 t21 t22 t23 t24");
        for (int i = 0; i < 25; ++i) {
            w.search(qPrintable(QStringLiteral("t%1").arg(i)));
            QVERIFY(w.window.findFromStart());
        }
        w.search("t24");
        QVERIFY(w.window.findFromStart());  // already kept: no second entry
        QCOMPARE(w.history.entries().size(), std::size_t{21});
        QCOMPARE(w.history.entries().front(), std::string("t24"));
        QCOMPARE(w.history.entries().back(), std::string("t4"));
        w.window.open();
        auto* combo = w.window.findChild<QComboBox*>("findText");
        QCOMPARE(combo->count(), 21);
        QCOMPARE(combo->itemText(0), QStringLiteral("t24"));
        QCOMPARE(combo->currentText(), QStringLiteral("t24"));  // the selection, the last hit
    }
};

QUILLO_TEST_MAIN(FindReplaceTest);
#include "find_replace_test.moc"
