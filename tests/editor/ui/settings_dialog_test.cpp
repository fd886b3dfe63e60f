#include "editor/structure_commands.h"
#include "editor/ui/editor_font.h"
#include "editor/ui/settings_dialog.h"
#include "editor/ui/source_editor.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QFontInfo>
#include <QPushButton>
#include <QtTest>

using namespace quillo;
using B = QsciScintillaBase;

class SettingsDialogTest : public QObject {
    Q_OBJECT

    // Two open editors on one set of settings, and the dialog over them.
    struct Open {
        Settings settings{"/tmp/"};
        SourceEditor first, second;
        int changes = 0;
        std::unique_ptr<SettingsDialog> dialog;
        Open() {
            for (SourceEditor* e : {&first, &second}) {
                e->configure(settings);
                e->setTextBytes("sub A\r\n  x = 1\r\nend sub\r\n");
            }
            dialog = std::make_unique<SettingsDialog>(settings, [this] {
                ++changes;
                first.applySettings(settings);
                second.applySettings(settings);
            });
        }
        QComboBox* combo(const char* key) { return dialog->findChild<QComboBox*>(QLatin1String(key)); }
        void choose(const char* key, int index) {
            combo(key)->setCurrentIndex(index);
            emit combo(key)->activated(index);
        }
    };

    static int folderSymbol(SourceEditor& e) {
        return static_cast<int>(e.send(B::SCI_MARKERSYMBOLDEFINED, B::SC_MARKNUM_FOLDER));
    }

private slots:
    void aControlChangesItsKeyAndEveryOpenEditorAtOnce() {
        Open o;
        const int before = folderSymbol(o.first);
        o.choose("FoldingStyle", 1);
        QCOMPARE(o.settings.integer(Setting::FoldingStyle), 1);
        QCOMPARE(o.changes, 1);
        QVERIFY(folderSymbol(o.first) != before);
        QCOMPARE(folderSymbol(o.second), folderSymbol(o.first));
    }

    void setProfileColoursEveryEditor() {
        Open o;
        o.dialog->findChild<QComboBox*>("profiles")->setCurrentIndex(0);
        QPushButton* set = test::buttonNamed(o.dialog.get(), QStringLiteral("Set Profile"));
        QVERIFY(set);
        set->click();
        for (SourceEditor* e : {&o.first, &o.second}) {
            QCOMPARE(e->send(B::SCI_STYLEGETBACK, B::STYLE_DEFAULT), 0x000000);
            QCOMPARE(e->send(B::SCI_STYLEGETBACK, B::STYLE_LINENUMBER), 0xFF0000);
            QCOMPARE(e->send(B::SCI_STYLEGETFORE, B::STYLE_LINENUMBER), 0xFFFFFF);
            QVERIFY(e->send(B::SCI_STYLEGETBOLD, B::STYLE_LINENUMBER));
        }
    }

    void remAsAutoRemStringPrefixesTheSelectedLines() {
        Open o;
        QCOMPARE(o.combo("REM_String")->itemText(1), QStringLiteral("Rem "));
        o.choose("REM_String", 1);
        QCOMPARE(o.settings.text(Setting::REM_String), std::string("Rem "));
        o.first.send(B::SCI_SETSEL, 0, 10);
        autoRemSelection(o.first, o.first.styler(), o.settings.text(Setting::REM_String));
        QCOMPARE(o.first.textBytes(), std::string("Rem sub A\r\nRem   x = 1\r\nend sub\r\n"));
    }

    void aMissingStyleFontShowsAFixedWidthFont() {
        Open o;
        o.settings.set(Setting::FontDefault, std::string("No Such Font Anywhere"));
        o.first.applySettings(o.settings);
        QCOMPARE(o.settings.text(Setting::FontDefault), std::string("No Such Font Anywhere"));
        char family[256] = {};
        o.first.send(B::SCI_STYLEGETFONT, B::STYLE_DEFAULT, reinterpret_cast<std::intptr_t>(family));
        QVERIFY(QString::fromUtf8(family) != QStringLiteral("No Such Font Anywhere"));
        QVERIFY(QFontInfo(QFont(QString::fromUtf8(family))).fixedPitch());
        QVERIFY(QFontInfo(QFont(displayFontFamily(QStringLiteral("Courier New")))).fixedPitch());
    }
};

QUILLO_TEST_MAIN(SettingsDialogTest);
#include "settings_dialog_test.moc"
