#include "pipeline/ui/memory_map_window.h"

#include "pipeline/region_map.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QTest>

#include <memory>

using namespace quillo;

class MemoryMapWindowTest : public QObject {
    Q_OBJECT
private slots:
    void drawsTheMapWithLabelsAndLegend() {
        auto map = std::make_unique<RegionMap>();
        map->registerFixedRegions();
        map->registerRegion(24576, 0, 3000, RegionType::Compilat);
        map->registerRegion(0xC000, 1, 64, RegionType::Text);
        MemoryMapWindow window(*map);
        QCOMPARE(window.windowTitle(), QStringLiteral("Memory Map"));
        QCOMPARE(window.size(), QSize(790, 550));

        const QImage& picture = window.picture();
        QCOMPARE(picture.size(), QSize(512, 512));
        QCOMPARE(picture.depth(), 24);
        QCOMPARE(picture.pixel(0, 0), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(picture.pixel(0, 20), qRgb(0xFF, 0, 0));
        QCOMPARE(picture.pixel((24576 - 16384) / 32, 20), qRgb(0x80, 0x80, 0xFF));
        QCOMPARE(picture.pixel(0, 4 * 20), qRgb(0x40, 0xFF, 0x40));
        QCOMPARE(picture.pixel(0, 19), qRgb(0, 0, 0));
        QCOMPARE(picture.pixel(0, 500), qRgb(0, 0, 0));

        const QStringList rows = {"$0000",         "$4000",         "$8000",         "$C000-Bank 16", "$C000-Bank 17",
                                  "$C000-Bank 19", "$C000-Bank 20", "$C000-Bank 22", "$C000-Bank 23"};
        for (int r = 0; r < rows.size(); ++r) {
            auto* label = window.findChild<QLabel*>(QStringLiteral("rowLabel%1").arg(r));
            QVERIFY(label);
            QCOMPARE(label->text(), rows[r]);
            QCOMPARE(label->y(), window.findChild<QLabel*>(QStringLiteral("picture"))->y() + 20 * r);
        }
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("legendTitle"))->text(), QStringLiteral("Legend:"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("legend2"))->text(), QStringLiteral("Screen memory"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("legend14"))->text(), QStringLiteral("Compressed Data"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("legend15"))->text(), QStringLiteral("Binary Other"));
        const QImage swatch = window.findChild<QLabel*>(QStringLiteral("swatch10"))->pixmap().toImage();
        QCOMPARE(swatch.size(), QSize(16, 16));
        QCOMPARE(swatch.pixel(8, 8), qRgb(0x80, 0x80, 0x40));
    }

    void modalShowReturnsWhenClosed() {
        auto map = std::make_unique<RegionMap>();
        test::ModalAnswerer answers;
        answers.answer<MemoryMapWindow>([](MemoryMapWindow* window) { window->close(); });
        showMemoryMap(nullptr, *map);
        QCOMPARE(answers.titles(), QStringList({"Memory Map"}));
    }
};

QUILLO_TEST_MAIN(MemoryMapWindowTest);
#include "memory_map_window_test.moc"
