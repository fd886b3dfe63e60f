#include "pipeline/ui/program_info_window.h"

#include "app/ui/window_fixture.h"

#include <QTest>
#include <QTreeWidget>

using namespace quillo;

class ProgramInfoWindowTest : public QObject {
    Q_OBJECT
private slots:
    void displayInfoShowsEveryDocumentTheCurrentOneGreen() {
        quillo::test::WindowFixture f;
        f.window->runCommand(Command::New);
        QCOMPARE(f.window->documentCount(), 2);
        int topLevel = 0;
        QStringList green;
        QString heap;
        f.answers.answer<ProgramInfoWindow>([&](ProgramInfoWindow* w) {
            QTreeWidget* tree = w->tree();
            topLevel = tree->topLevelItemCount();
            for (int i = 0; i < topLevel; ++i)
                if (tree->topLevelItem(i)->background(0).color() == QColor(0, 255, 0)) green << QString::number(i);
            heap = tree->topLevelItem(1)->child(2)->child(1)->text(0);
            w->accept();
        });
        f.window->runCommand(Command::DisplayInfo);
        QCOMPARE(topLevel, 2);
        QCOMPARE(green, QStringList({"1"}));
        QCOMPARE(heap, QString("HeapSize: 4768"));
    }
};

QUILLO_TEST_MAIN(ProgramInfoWindowTest);
#include "program_info_window_test.moc"
