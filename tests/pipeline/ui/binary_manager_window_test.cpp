#include "pipeline/ui/add_binary_data_dialog.h"
#include "pipeline/ui/add_binary_dialog.h"
#include "pipeline/ui/binary_manager_window.h"
#include "pipeline/ui/build_messages.h"

#include "common/file_io.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

#include "app/menu_table.h"
#include "app/ui/menu_builder.h"
#include <QSpinBox>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

using namespace quillo;
using quillo::test::buttonNamed;
using quillo::test::child;
using quillo::test::ModalAnswerer;

namespace {

const QString kCollision = "Looks like there is a binary collision! Check the start and length of other binarys";

QString writeFile(const QTemporaryDir& dir, const QString& name, int size) {
    const QString path = dir.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << std::string(static_cast<std::size_t>(size), 'x');
    return path;
}

// The list's context menu as the main window builds it: from the menu table,
// its commands carried out through the registry.
struct TableMenu {
    explicit TableMenu(BinaryManagerWindow& window)
        : menus(&window, [this](Command c) { commands.run(c); }) {
        registerBinaryManagerCommands(commands, [&window] { return &window; });
        window.setContextMenu(menus.popup(binaryListPopupLines()));
    }
    CommandRegistry commands;
    MenuBuilder menus;
};

QAction* menuAction(QMenu* menu, const QString& path) {
    const QStringList parts = path.split('/');
    for (QAction* a : menu->actions()) {
        if (a->text() != parts.first()) continue;
        if (parts.size() == 1) return a;
        return a->menu() ? menuAction(a->menu(), parts.mid(1).join('/')) : nullptr;
    }
    return nullptr;
}

void selectRow(BinaryManagerWindow& window, int row) {
    window.recordList()->setCurrentItem(window.recordList()->topLevelItem(row));
}

BinaryList sampleList() {
    return {
        {"/zx/gfx.bin", 40000, 1000, 0, "Sprites", 0, 8},
        {"/zx/tune.bin", 0xC000, 4000, 2, "Tune", 0, 13},
        {"/zx/odd.bin", 0xC000, 10, 9, "Odd", 3, 14},
        {"/zx/more.bin", 0xD000, 10, 2, "More", 0, 11},
    };
}

}  // namespace

class BinaryManagerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void showsTreeAndRecords();
    void treeChildrenColourTheirRows();
    void contextMenuItems();
    void addsABinaryThroughTheDialog();
    void addingAnOverlapWarnsAndKeepsTheRecord();
    void closingTheAddDialogAddsNothing();
    void editsTheSelectedRecord();
    void removesTheSelectedRecordAndRebuildsTheMap();
    void binaryDataDialogMarksFieldsWhileEditing();
    void binaryDataDialogAsksBeforeOverwriting();
    void targetFileCheckMessages();

private:
    QTemporaryDir dir_;
};

void BinaryManagerWindowTest::showsTreeAndRecords() {
    BinaryList list = sampleList();
    RegionMap map;
    BinaryManagerWindow window(list, map);
    QCOMPARE(window.windowTitle(), QString("Quillo Binary Manager"));
    QCOMPARE(window.size(), QSize(740, 440));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(buttonNamed(&window, "Close"));

    QTreeWidget* tree = window.memoryTree();
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("Internal Memory"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QString("External Memory"));
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    QStringList children;
    for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i) children << tree->topLevelItem(0)->child(i)->text(0);
    QCOMPARE(children, QStringList({"Main memory", "Bank 1 (17)", "Bank 3 (19)", "Bank 4 (20)", "Bank 6 (22)",
                                    "Bank 7 (23)"}));

    QTreeWidget* rows = window.recordList();
    QStringList headers;
    for (int c = 0; c < rows->columnCount(); ++c) headers << rows->headerItem()->text(c);
    QCOMPARE(headers, QStringList({"Name", "Type", "File", "Address", "Size", "Bank", "Load"}));
    QCOMPARE(rows->topLevelItemCount(), 4);
    const auto rowTexts = [rows](int r) {
        QStringList texts;
        for (int c = 0; c < rows->columnCount(); ++c) texts << rows->topLevelItem(r)->text(c);
        return texts;
    };
    QCOMPARE(rowTexts(0), QStringList({"Sprites", "Graphics", "/zx/gfx.bin", "40000", "1000", "Main", "0"}));
    QCOMPARE(rowTexts(1), QStringList({"Tune", "Music", "/zx/tune.bin", "49152", "4000", "3 (19)", "0"}));
    QCOMPARE(rowTexts(2), QStringList({"Odd", "Compressed", "/zx/odd.bin", "49152", "10", "Unk.", "3"}));

    list.pop_back();
    window.refresh();
    QCOMPARE(rows->topLevelItemCount(), 3);
}

void BinaryManagerWindowTest::treeChildrenColourTheirRows() {
    BinaryList list = sampleList();
    RegionMap map;
    BinaryManagerWindow window(list, map);
    window.show();
    QTreeWidget* tree = window.memoryTree();
    QTreeWidget* rows = window.recordList();
    const auto colours = [rows] {
        QList<QColor> result;
        for (int r = 0; r < rows->topLevelItemCount(); ++r) result << rows->topLevelItem(r)->background(0).color();
        return result;
    };
    const QColor y(Qt::yellow), w(Qt::white);
    const auto click = [tree](QTreeWidgetItem* item) {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    };
    click(tree->topLevelItem(0)->child(2));  // "Bank 3 (19)"
    QCOMPARE(colours(), QList<QColor>({w, y, w, y}));
    QCOMPARE(rows->topLevelItem(1)->background(6).color(), y);
    click(tree->topLevelItem(0)->child(0));  // "Main memory"
    QCOMPARE(colours(), QList<QColor>({y, w, w, w}));
    click(tree->topLevelItem(1));  // "External Memory" leaves the colours
    QCOMPARE(colours(), QList<QColor>({y, w, w, w}));
    click(tree->topLevelItem(0));
    QCOMPARE(colours(), QList<QColor>({y, w, w, w}));
    click(tree->topLevelItem(0)->child(5));  // no record in bank 7
    QCOMPARE(colours(), QList<QColor>({w, w, w, w}));
}

void BinaryManagerWindowTest::contextMenuItems() {
    BinaryList list;
    RegionMap map;
    BinaryManagerWindow window(list, map);
    const TableMenu table(window);
    QMenu* menu = window.contextMenu();
    for (const char* path : {"Add/binary file", "Add/Interrupts", "Remove", "Edit Properties",
                             "Packer/Pack with MegaLZ", "Packer/Pack with ApLib", "Packer/Pack with Exomizer",
                             "Packer/Pack with ZX0"})
        QVERIFY2(menuAction(menu, path), path);
    // With nothing selected the record commands do nothing.
    menuAction(menu, "Remove")->trigger();
    menuAction(menu, "Edit Properties")->trigger();
    menuAction(menu, "Packer/Pack with ApLib")->trigger();
    QVERIFY(list.empty());
}

void BinaryManagerWindowTest::addsABinaryThroughTheDialog() {
    ModalAnswerer answers;
    BinaryList list;
    RegionMap map;
    map.registerFixedRegions();
    BinaryManagerWindow window(list, map);
    const TableMenu table(window);
    const QString path = writeFile(dir_, "gfx.bin", 1234);

    QString sizeAfterChoice;
    answers.answer<AddBinaryDialog>([&](AddBinaryDialog* dialog) {
        QCOMPARE(child<QLineEdit>(dialog, "Description")->text(), QString("Short Description"));
        QCOMPARE(child<QLineEdit>(dialog, "Size")->text(), QString("0"));
        QVERIFY(child<QLineEdit>(dialog, "Size")->isReadOnly());
        QCOMPARE(child<QComboBox>(dialog, "Type")->currentText(), QString("Other"));
        QCOMPARE(child<QComboBox>(dialog, "Type")->itemText(14), QString("Compressedr"));
        QCOMPARE(child<QComboBox>(dialog, "MemoryBank")->itemText(0), QString("Main :0"));
        QCOMPARE(child<QSpinBox>(dialog, "StartAddress")->maximum(), 65535);
        auto* tabs = dialog->findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(0), QString("48/128K"));
        QCOMPARE(tabs->tabText(1), QString("External load"));

        answers.answerFile(path);
        child<QPushButton>(dialog, "Browse")->click();
        sizeAfterChoice = child<QLineEdit>(dialog, "Size")->text();
        QCOMPARE(child<QLineEdit>(dialog, "FileName")->text(), path);

        child<QLineEdit>(dialog, "Description")->setText("Sprites");
        child<QSpinBox>(dialog, "StartAddress")->setValue(50000);
        child<QComboBox>(dialog, "MemoryBank")->setCurrentIndex(0);
        child<QComboBox>(dialog, "Type")->setCurrentIndex(8);
        tabs->setCurrentIndex(1);
        QCOMPARE(child<QPushButton>(dialog, "ExternalTabButton")->text(), QString("Add"));
        child<QPushButton>(dialog, "ExternalTabButton")->click();
    });
    menuAction(window.contextMenu(), "Add/binary file")->trigger();

    QCOMPARE(answers.titles(), QStringList({"Add binary file", "Select binary file to load"}));
    QCOMPARE(sizeAfterChoice, QString("1234"));
    QCOMPARE(list.size(), std::size_t{1});
    QVERIFY(list[0] == (BinaryRecord{path.toStdString(), 50000, 1234, 0, "Sprites", 0, 8}));
    QCOMPARE(map.at(50000), RegionType::Graphics);
    QCOMPARE(map.at(51233), RegionType::Graphics);
    QCOMPARE(window.recordList()->topLevelItemCount(), 1);
    QCOMPARE(window.recordList()->topLevelItem(0)->text(0), QString("Sprites"));

    // The "48/128K" tab's button does the same.
    answers.answer<AddBinaryDialog>([&](AddBinaryDialog* dialog) {
        child<QSpinBox>(dialog, "StartAddress")->setValue(0xC000);
        child<QComboBox>(dialog, "MemoryBank")->setCurrentIndex(5);
        child<QPushButton>(dialog, "MemoryTabButton")->click();
    });
    window.addBinaryFile();
    QCOMPARE(list.size(), std::size_t{2});
    QCOMPARE(list[1].bank, std::uint8_t{5});
    QCOMPARE(list[1].description, std::string("Short Description"));
    QCOMPARE(list[1].type(), RegionType::Other);
}

void BinaryManagerWindowTest::addingAnOverlapWarnsAndKeepsTheRecord() {
    ModalAnswerer answers;
    BinaryList list = {{"/zx/a.bin", 40000, 100, 0, "A", 0, 8}};
    RegionMap map;
    rebuildRegionMap(map, list);
    BinaryManagerWindow window(list, map);
    answers.answer<AddBinaryDialog>([&](AddBinaryDialog* dialog) {
        child<QSpinBox>(dialog, "StartAddress")->setValue(40050);
        child<QComboBox>(dialog, "Type")->setCurrentIndex(9);
        answers.answerFile(writeFile(dir_, "b.bin", 10));
        child<QPushButton>(dialog, "Browse")->click();
        answers.answerMessage();
        child<QPushButton>(dialog, "ExternalTabButton")->click();
    });
    window.addBinaryFile();
    QCOMPARE(answers.titles(), QStringList({"Add binary file", "Select binary file to load", "Warning!!!"}));
    QCOMPARE(answers.seen().back().text, kCollision);
    QCOMPARE(answers.seen().back().icon, QMessageBox::Warning);
    QCOMPARE(list.size(), std::size_t{2});
    QCOMPARE(window.recordList()->topLevelItemCount(), 2);
    QCOMPARE(map.at(40099), RegionType::Graphics);  // not marked with the refused type
}

void BinaryManagerWindowTest::closingTheAddDialogAddsNothing() {
    ModalAnswerer answers;
    BinaryList list;
    RegionMap map;
    BinaryManagerWindow window(list, map);
    answers.answer<AddBinaryDialog>([](AddBinaryDialog* dialog) { dialog->reject(); });
    window.addBinaryFile();
    QVERIFY(list.empty());
}

void BinaryManagerWindowTest::editsTheSelectedRecord() {
    ModalAnswerer answers;
    BinaryList list = sampleList();
    RegionMap map;
    rebuildRegionMap(map, list);
    BinaryManagerWindow window(list, map);
    const TableMenu table(window);
    selectRow(window, 1);

    QStringList seen;
    answers.answer<AddBinaryDialog>([&](AddBinaryDialog* dialog) {
        seen << dialog->windowTitle() << child<QLineEdit>(dialog, "FileName")->text()
             << child<QLineEdit>(dialog, "Description")->text()
             << QString::number(child<QSpinBox>(dialog, "StartAddress")->value())
             << child<QComboBox>(dialog, "MemoryBank")->currentText() << child<QLineEdit>(dialog, "Size")->text()
             << child<QComboBox>(dialog, "Type")->currentText()
             << child<QPushButton>(dialog, "MemoryTabButton")->text()
             << child<QPushButton>(dialog, "ExternalTabButton")->text();
        child<QLineEdit>(dialog, "Description")->setText("Title tune");
        child<QSpinBox>(dialog, "StartAddress")->setValue(0xE000);
        child<QPushButton>(dialog, "MemoryTabButton")->click();
    });
    menuAction(window.contextMenu(), "Edit Properties")->trigger();
    QCOMPARE(seen, QStringList({"Add binary file", "/zx/tune.bin", "Tune", "49152", "3 (19)", "4000", "Music", "Update",
                                "Update"}));
    QVERIFY(list[1] == (BinaryRecord{"/zx/tune.bin", 0xE000, 4000, 2, "Title tune", 0, 13}));
    QCOMPARE(window.recordList()->topLevelItem(1)->text(0), QString("Title tune"));
    QCOMPARE(map.at(0xC000 + 2 * 0x4000), RegionType::Music);  // the map waits for the next rebuild

    // A record of an unknown bank keeps its bank and gets load value 0.
    selectRow(window, 2);
    answers.answer<AddBinaryDialog>([](AddBinaryDialog* dialog) {
        child<QPushButton>(dialog, "ExternalTabButton")->click();
    });
    window.editSelected();
    QCOMPARE(list[2].bank, std::uint8_t{9});
    QCOMPARE(list[2].load, std::int16_t{0});
}

void BinaryManagerWindowTest::removesTheSelectedRecordAndRebuildsTheMap() {
    BinaryList list = {{"/zx/a.bin", 40000, 100, 0, "A", 0, 8}, {"/zx/b.bin", 40050, 100, 0, "B", 0, 9}};
    RegionMap map;
    rebuildRegionMap(map, list);
    QCOMPARE(map.at(40120), RegionType::Free);  // B collided
    BinaryManagerWindow window(list, map);
    const TableMenu table(window);
    selectRow(window, 0);
    menuAction(window.contextMenu(), "Remove")->trigger();
    QCOMPARE(list.size(), std::size_t{1});
    QCOMPARE(list[0].description, std::string("B"));
    QCOMPARE(window.recordList()->topLevelItemCount(), 1);
    QCOMPARE(map.at(40120), RegionType::Maps);
    QCOMPARE(map.at(40000), RegionType::Free);
    QCOMPARE(map.at(0), RegionType::Rom);
}

void BinaryManagerWindowTest::binaryDataDialogMarksFieldsWhileEditing() {
    BinaryList list;
    RegionMap map;
    map.registerFixedRegions();
    map.registerRegion(64000, 0, 8, RegionType::Data);
    const QString existing = writeFile(dir_, "_Fontchar65.bin", 3);
    AddBinaryDataDialog dialog(list, map, {QByteArray(8, 'a'), existing, "Single Char: (65)", 64000, 0});
    QCOMPARE(dialog.windowTitle(), QString("Add binary data"));
    QVERIFY(buttonNamed(&dialog, "O.K."));
    QVERIFY(buttonNamed(&dialog, "Cancel"));
    QCOMPARE(child<QLineEdit>(&dialog, "Size")->text(), QString("8"));
    QCOMPARE(child<QComboBox>(&dialog, "MemoryBank")->currentText(), QString("Main :0"));

    auto* start = child<QSpinBox>(&dialog, "StartAddress");
    auto* name = child<QLineEdit>(&dialog, "FileName");
    QVERIFY(dialog.startMarked());
    QCOMPARE(start->palette().color(QPalette::Base), QColor(Qt::red));
    QVERIFY(dialog.fileNameMarked());
    QCOMPARE(name->palette().color(QPalette::Base), QColor(Qt::red));

    start->setValue(64008);  // adjacent: free
    QVERIFY(!dialog.startMarked());
    QCOMPARE(start->palette().color(QPalette::Base), QColor(Qt::white));
    start->setValue(63993);
    QVERIFY(dialog.startMarked());
    child<QComboBox>(&dialog, "MemoryBank")->setCurrentIndex(1);  // the same address in bank 1 is free
    QVERIFY(!dialog.startMarked());
    start->setValue(30000);  // below 0xC000 in a bank: the ROM
    QVERIFY(dialog.startMarked());

    name->setText(dir_.filePath("new.bin"));
    QVERIFY(!dialog.fileNameMarked());
    QCOMPARE(name->palette().color(QPalette::Base), QColor(Qt::white));
}

void BinaryManagerWindowTest::binaryDataDialogAsksBeforeOverwriting() {
    ModalAnswerer answers;
    BinaryList list;
    RegionMap map;
    const QString existing = writeFile(dir_, "font.bin", 3);
    AddBinaryDataDialog dialog(list, map, {QByteArray("ABCDEFGH"), existing, "All 256 Characters", 60000, 0,
                                           RegionType::Graphics});
    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    answers.answerMessage(QMessageBox::No);
    buttonNamed(&dialog, "O.K.")->click();
    QCOMPARE(answers.seen().back().title, QString("File exists"));
    QCOMPARE(answers.seen().back().text, existing + " exists\nOverwrite?");
    QCOMPARE(fileSize(existing.toStdString()), 3LL);
    QVERIFY(list.empty());
    QCOMPARE(accepted.count(), 0);

    answers.answerMessage(QMessageBox::Yes);
    buttonNamed(&dialog, "O.K.")->click();
    QCOMPARE(answers.seen().size(), 2);
    QCOMPARE(fileSize(existing.toStdString()), 8LL);
    QCOMPARE(list.size(), std::size_t{1});
    QVERIFY(list[0] == (BinaryRecord{existing.toStdString(), 60000, 8, 0, "All 256 Characters", 0, 8}));
    QCOMPARE(map.at(60007), RegionType::Graphics);
    QCOMPARE(accepted.count(), 1);

    // A file that cannot be written is reported and adds nothing.
    AddBinaryDataDialog broken(list, map, {QByteArray("x"), dir_.filePath("no/such/x.bin"), "x", 100, 0});
    broken.show();
    answers.answerMessage();
    buttonNamed(&broken, "O.K.")->click();
    QCOMPARE(answers.seen().back().title, QString("Error"));
    QCOMPARE(list.size(), std::size_t{1});
}

void BinaryManagerWindowTest::targetFileCheckMessages() {
    ModalAnswerer answers;
    QWidget parent;
    answers.answerMessage();
    QVERIFY(!confirmTargetFile(&parent, "a.bin", 8));
    QCOMPARE(answers.seen().back().title, QString("Error"));
    QCOMPARE(answers.seen().back().text, QString("Invalid file name"));
    QCOMPARE(answers.seen().back().icon, QMessageBox::Critical);

    const QString existing = writeFile(dir_, "font.ch8", 1);
    answers.answerMessage(QMessageBox::No);
    QVERIFY(!confirmTargetFile(&parent, existing, 2048));
    QCOMPARE(answers.seen().back().title, QString("Question"));
    QCOMPARE(answers.seen().back().text, QString("File exists, overwrite?"));
    answers.answerMessage(QMessageBox::Yes);
    QVERIFY(confirmTargetFile(&parent, existing, 2048));
    QCOMPARE(answers.seen().size(), 3);
    QVERIFY(confirmTargetFile(&parent, dir_.filePath("new.ch8"), 2048));
    QCOMPARE(answers.seen().size(), 3);
}

QUILLO_TEST_MAIN(BinaryManagerWindowTest);
#include "binary_manager_window_test.moc"
