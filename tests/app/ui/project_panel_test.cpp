#include "app/ui/project_panel.h"

#include "app/project_file.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace quillo;
using quillo::test::child;
using quillo::test::ModalAnswerer;

namespace {

// Every option away from its defaults and inside its control's range.
Document everyOptionSet() {
    Document doc;
    doc.outputFile = "/home/zx/out/game";
    doc.compileFinal = 1;
    doc.prgStart = 32768;
    doc.optimisation = 3;
    doc.outputType = 2;
    doc.specialLib = 1;
    doc.heapsize = 2048;
    doc.enableBreak = 1;
    doc.memoryCheck = 1;
    doc.arrayCheck = 1;
    doc.strictBool = 1;
    doc.backend = 1;
    doc.debug = 1;
    doc.inclLdr = 0;
    doc.ldrAutostart = 0;
    doc.displayMap = 1;
    doc.author = "Jo Bloggs";
    doc.target = 0;
    doc.memory = 1;
    doc.extLevels = 200;
    doc.usedEmulator = 4;
    doc.compression = 1;
    doc.explicit_ = 1;
    doc.arrayBase = 1;
    doc.stringBase = 999;
    return doc;
}

}  // namespace

class ProjectPanelTest : public QObject {
    Q_OBJECT
private slots:
    void controlsHaveTheirCaptionsTooltipsAndStates_data();
    void controlsHaveTheirCaptionsTooltipsAndStates();
    void dropDownsAndRanges();
    void optionsRoundTripThroughTheControls();
    void immediateControlsStoreAtOnce_data();
    void immediateControlsStoreAtOnce();
    void syncOnlyControlsWaitForSync();
    void settingFromADocumentStoresNothing();
    void outputTypeThreeShowsAsm();
    void numericFieldsTakeFiveDigits();
    void mainFileListMarksTheCurrentDocument();
    void outputFileRequester();
};

void ProjectPanelTest::controlsHaveTheirCaptionsTooltipsAndStates_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("onFirstPage");
    const auto row = [](const char* key, const char* caption, const char* tooltip, bool enabled, bool first) {
        QTest::newRow(key) << key << caption << tooltip << enabled << first;
    };
    row("CompileFinal", "Compile final", "Enable highest speed and also add screen and compress the files", false, true);
    row("EnableBreak", "Enable Break", "Enables BREAK key, but program runs slower", true, true);
    row("MemoryCheck", "Memory check", "Enables out of memory check but program runs slower", true, true);
    row("ArrayCheck", "Array Check", "Enables Array boundary check but program runs slower", true, true);
    row("StrictBool", "Strict Boolean", "Enables strict bolean values but program runs slower", true, true);
    row("Backend", "Enable Emmit backend", "", true, true);
    row("Debug", "Display debug info", "Enables Debug info while compilation", false, true);
    row("InclLdr", "Include BASIC Loader", "Includes a BASIC Loader for the TAP/TZX file", true, true);
    row("LdrAutostart", "Enable Autorun loader", "If a BASIC loader is included, you can set it to start automaticaly",
        true, true);
    row("DisplayMap", "View Memory", "View memory map after compilation", true, true);
    row("Compression", "Use File Compressor", "Enable compression of the files", false, false);
    row("Explicit", "Explicit", "Explicit variable definition", true, false);
}

void ProjectPanelTest::controlsHaveTheirCaptionsTooltipsAndStates() {
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(bool, enabled);
    QFETCH(bool, onFirstPage);
    ProjectPanel panel;
    auto* box = panel.findChild<QCheckBox*>(key);
    QVERIFY(box);
    QCOMPARE(box->text(), caption);
    QCOMPARE(box->toolTip(), tooltip);
    QCOMPARE(box->isEnabled(), enabled);
    QVERIFY((onFirstPage ? panel.projectPage() : panel.project2Page())->isAncestorOf(box));
}

void ProjectPanelTest::dropDownsAndRanges() {
    ProjectPanel panel;
    const auto items = [&panel](const char* key) {
        QStringList texts;
        auto* combo = child<QComboBox>(&panel, key);
        for (int i = 0; combo && i < combo->count(); ++i) texts << combo->itemText(i);
        return texts;
    };
    QCOMPARE(items("Optimisation"), QStringList({"None", "Level 1", "Level 2", "Level 3"}));
    QCOMPARE(items("OutputType"), QStringList({"BIN", "TAP", "TZX", "ASM"}));
    QCOMPARE(items("SpecialLib"), QStringList({"None", "ZX Spectrum"}));
    QCOMPARE(items("Target"), QStringList({"ZX Spectrum"}));
    QCOMPARE(items("Memory"), QStringList({"48K", "128K"}));
    QCOMPARE(items("UsedEmulator"), QStringList({"Emulator 0", "Emulator 1", "Emulator 2", "Emulator 3", "Emulator 4"}));
    QVERIFY(!child<QComboBox>(&panel, "MainPrgName")->isEnabled());
    QVERIFY(child<QLineEdit>(&panel, "OutputFile")->isReadOnly());
    QCOMPARE(panel.outputFileButton()->text(), QString("..."));
    QCOMPARE(child<QSpinBox>(&panel, "ExtLevels")->maximum(), 255);
    QCOMPARE(child<QSpinBox>(&panel, "ArrayBase")->maximum(), 999);
    QCOMPARE(child<QSpinBox>(&panel, "StringBase")->maximum(), 999);
    QCOMPARE(child<QSpinBox>(&panel, "StringBase")->minimum(), 0);

    QStringList firstLabels, secondLabels;
    for (QLabel* l : panel.projectPage()->findChildren<QLabel*>()) firstLabels << l->text();
    for (QLabel* l : panel.project2Page()->findChildren<QLabel*>()) secondLabels << l->text();
    QCOMPARE(firstLabels, QStringList({"Main file:", "Output file:", "Start address:", "Optimisation:", "Output:",
                                       "Librarys:", "Heap size:"}));
    QCOMPARE(secondLabels, QStringList({"Author:", "Target:", "Memory:", "Ext.Loads:", "Emulator:", "Array base:",
                                        "String base:"}));
}

void ProjectPanelTest::optionsRoundTripThroughTheControls() {
    ProjectPanel panel;
    const Document original = everyOptionSet();
    panel.setFromDocument(original);
    Document stored;  // all zero
    panel.storeInto(stored);
    QCOMPARE(stored.outputFile, original.outputFile);
    QCOMPARE(stored.compileFinal, original.compileFinal);
    QCOMPARE(stored.prgStart, original.prgStart);
    QCOMPARE(stored.optimisation, original.optimisation);
    QCOMPARE(stored.outputType, original.outputType);
    QCOMPARE(stored.specialLib, original.specialLib);
    QCOMPARE(stored.heapsize, original.heapsize);
    QCOMPARE(stored.enableBreak, original.enableBreak);
    QCOMPARE(stored.memoryCheck, original.memoryCheck);
    QCOMPARE(stored.arrayCheck, original.arrayCheck);
    QCOMPARE(stored.strictBool, original.strictBool);
    QCOMPARE(stored.backend, original.backend);
    QCOMPARE(stored.debug, original.debug);
    QCOMPARE(stored.inclLdr, original.inclLdr);
    QCOMPARE(stored.ldrAutostart, original.ldrAutostart);
    QCOMPARE(stored.displayMap, original.displayMap);
    QCOMPARE(stored.author, original.author);
    QCOMPARE(stored.target, original.target);
    QCOMPARE(stored.memory, original.memory);
    QCOMPARE(stored.extLevels, original.extLevels);
    QCOMPARE(stored.usedEmulator, original.usedEmulator);
    QCOMPARE(stored.compression, original.compression);
    QCOMPARE(stored.explicit_, original.explicit_);
    QCOMPARE(stored.arrayBase, original.arrayBase);
    QCOMPARE(stored.stringBase, original.stringBase);

    // And back to the zero document: nothing of the first one lingers.
    panel.setFromDocument(stored = Document{});
    Document again = everyOptionSet();
    panel.storeInto(again);
    QCOMPARE(again.prgStart, 0);
    QCOMPARE(again.usedEmulator, std::uint8_t{0});
    QCOMPARE(again.compileFinal, std::uint8_t{0});
    QCOMPARE(again.author, std::string());
}

void ProjectPanelTest::immediateControlsStoreAtOnce_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"EnableBreak", "MemoryCheck", "ArrayCheck", "StrictBool", "Backend", "Debug", "InclLdr",
                            "LdrAutostart", "DisplayMap", "Explicit", "PrgStart", "Heapsize", "ArrayBase",
                            "StringBase", "OutputType", "SpecialLib", "Memory", "ExtLevels", "Author"})
        QTest::newRow(key) << key;
}

void ProjectPanelTest::immediateControlsStoreAtOnce() {
    QFETCH(QString, key);
    ProjectPanel panel;
    Document doc = everyOptionSet();
    panel.setFromDocument(doc);
    Document current = doc;
    panel.setDocumentProvider([&current] { return &current; });
    int signals_ = 0;
    connect(&panel, &ProjectPanel::optionStored, [&signals_] { ++signals_; });

    // Change the one control; only its field may move before a sync.
    if (auto* box = panel.findChild<QCheckBox*>(key)) box->setChecked(!box->isChecked());
    else if (auto* combo = panel.findChild<QComboBox*>(key)) combo->setCurrentIndex(combo->currentIndex() == 0 ? 1 : 0);
    else if (auto* spin = panel.findChild<QSpinBox*>(key)) spin->setValue(spin->value() == 5 ? 6 : 5);
    else if (auto* field = panel.findChild<QLineEdit*>(key)) {
        field->selectAll();
        QTest::keyClicks(field, "4321");
    } else QFAIL("no such control");

    QVERIFY(signals_ >= 1);
    Document synced = doc;
    panel.storeInto(synced);
    // What sync would store now is exactly what the immediate store put in.
    QCOMPARE(QByteArray(projectFileBytes(current, {}).c_str()), QByteArray(projectFileBytes(synced, {}).c_str()));
    QVERIFY(projectFileBytes(current, {}) != projectFileBytes(doc, {}));
}

void ProjectPanelTest::syncOnlyControlsWaitForSync() {
    ProjectPanel panel;
    Document current;
    panel.setFromDocument(current);
    panel.setDocumentProvider([&current] { return &current; });
    // "Emulator 3" chosen and nothing else: only the build's sync stores it.
    child<QComboBox>(&panel, "UsedEmulator")->setCurrentIndex(3);
    child<QComboBox>(&panel, "Optimisation")->setCurrentIndex(2);
    child<QCheckBox>(&panel, "Compression")->setChecked(true);
    child<QCheckBox>(&panel, "CompileFinal")->setChecked(true);
    QCOMPARE(current.usedEmulator, std::uint8_t{0});
    QCOMPARE(current.optimisation, std::uint8_t{0});
    QCOMPARE(current.compression, std::uint8_t{0});
    QCOMPARE(current.compileFinal, std::uint8_t{0});
    panel.storeInto(current);
    QCOMPARE(current.usedEmulator, std::uint8_t{3});
    QCOMPARE(current.optimisation, std::uint8_t{2});
    QCOMPARE(current.compression, std::uint8_t{1});
    QCOMPARE(current.compileFinal, std::uint8_t{1});
}

void ProjectPanelTest::settingFromADocumentStoresNothing() {
    ProjectPanel panel;
    Document current;
    panel.setDocumentProvider([&current] { return &current; });
    int stores = 0;
    connect(&panel, &ProjectPanel::optionStored, [&stores] { ++stores; });
    panel.setFromDocument(everyOptionSet());
    QCOMPARE(stores, 0);
    QCOMPARE(current.prgStart, 0);
    panel.setDocumentProvider([] { return nullptr; });
    child<QCheckBox>(&panel, "Explicit")->setChecked(false);  // no document: nothing to store into
    QCOMPARE(stores, 0);
}

void ProjectPanelTest::outputTypeThreeShowsAsm() {
    Document doc;
    parseProjectFile("[Configuration]\r\nOutputType = 3\r\n", doc);
    ProjectPanel panel;
    panel.setFromDocument(doc);
    QCOMPARE(child<QComboBox>(&panel, "OutputType")->currentText(), QString("ASM"));

    // A stored value that is no item shows no selection and survives a sync.
    doc.outputType = 9;
    panel.setFromDocument(doc);
    QCOMPARE(child<QComboBox>(&panel, "OutputType")->currentIndex(), -1);
    panel.storeInto(doc);
    QCOMPARE(doc.outputType, std::uint8_t{9});
}

void ProjectPanelTest::numericFieldsTakeFiveDigits() {
    ProjectPanel panel;
    Document doc;
    panel.setFromDocument(doc);
    panel.setDocumentProvider([&doc] { return &doc; });
    auto* start = child<QLineEdit>(&panel, "PrgStart");
    start->clear();
    QTest::keyClicks(start, "9x87654");
    QCOMPARE(start->text(), QString("98765"));
    QCOMPARE(doc.prgStart, 98765);  // stored as typed, whatever the range
    start->clear();
    QCOMPARE(doc.prgStart, 0);
}

void ProjectPanelTest::mainFileListMarksTheCurrentDocument() {
    ProjectPanel panel;
    auto* combo = child<QComboBox>(&panel, "MainPrgName");
    panel.refillMainFileList({"game", "intro", "music"}, 1, "music");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QString("game"));
    QCOMPARE(combo->itemText(1), QString("This File"));
    QCOMPARE(combo->currentText(), QString("music"));
    Document doc;
    panel.storeMainFileName(doc);
    QCOMPARE(doc.mainPrgName, std::string("music"));

    panel.refillMainFileList({"game", "intro"}, 0, "");
    QCOMPARE(combo->currentIndex(), -1);
    panel.storeMainFileName(doc);
    QCOMPARE(doc.mainPrgName, std::string());

    panel.refillMainFileList({"game", "intro"}, 0, "gone");
    QCOMPARE(combo->currentIndex(), -1);
}

void ProjectPanelTest::outputFileRequester() {
    ProjectPanel panel;
    Document doc;
    doc.outputFile = "/tmp/quillo_old_output";
    panel.setFromDocument(doc);
    panel.setDocumentProvider([&doc] { return &doc; });
    const QString chosen = QDir::tempPath() + "/quillo_new_output_does_not_exist";

    ModalAnswerer answers;
    answers.answerFile(chosen);
    panel.outputFileButton()->click();
    QCOMPARE(answers.titles(), QStringList({"Select output file"}));
    QCOMPARE(panel.outputFileField()->text(), chosen);
    QCOMPARE(doc.outputFile, chosen.toStdString());

    answers.answerFile(QString());
    panel.outputFileButton()->click();
    QCOMPARE(doc.outputFile, chosen.toStdString());  // cancelling changes nothing
    QCOMPARE(panel.outputFileField()->text(), chosen);
}

QUILLO_TEST_MAIN(ProjectPanelTest);
#include "project_panel_test.moc"
