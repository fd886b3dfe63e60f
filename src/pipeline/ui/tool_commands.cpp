#include "pipeline/ui/tool_commands.h"

#include "app/settings.h"
#include "common/file_io.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "editor/ui/source_editor.h"
#include "pipeline/tap_reader.h"
#include "pipeline/tornado_source.h"
#include "pipeline/ui/binary_manager_window.h"
#include "pipeline/ui/interrupt_manager_window.h"
#include "pipeline/ui/packer_actions.h"
#include "pipeline/ui/packer_runner.h"
#include "pipeline/ui/program_info_window.h"
#include "pipeline/ui/tap_browser_window.h"
#include "pipeline/ui/zx0_runner.h"

#include <QObject>

#include <memory>

namespace quillo {

namespace {

void importTornado(const ToolCommandContext& c) {
    SourceEditor* editor = c.editor();
    if (!editor) return;
    const Document& doc = c.document();
    const std::string& start = doc.isSaved() ? doc.folder : c.settings.text(Setting::LastDir);
    const TapChoice choice = browseTap(c.window, toQ(start));
    if (choice.block < 0 || !fileExists(fromQ(choice.path))) return;
    const Result<Bytes> tape = readFile(fromQ(choice.path), kMaxTapeFileSize);
    if (!tape) return showError(c.window, QStringLiteral("Error"), tape.error());
    const auto data = readTapBlock(*tape, choice.block);
    if (!data) return;
    editor->insertAtCaret(detokeniseTornado(*data));
}

void openInterruptManager(const ToolCommandContext& c) {
    c.sync();
    BinaryManagerWindow* manager = c.binaryManager();
    InterruptManagerWindow window(c.document().interrupts, c.outputBase(), c.binaries(), c.regions,
                                  manager ? static_cast<QWidget*>(manager) : c.window);
    window.exec();
    if (manager) manager->refresh();
}

void displayInfo(const ToolCommandContext& c) {
    c.sync();
    showProgramInfo(c.window, programInfo(c.openDocuments(), c.currentIndex()));
}

}  // namespace

void registerToolCommands(CommandRegistry& registry, ToolCommandContext context) {
    const auto c = std::make_shared<ToolCommandContext>(std::move(context));
    const auto runner = std::make_shared<PackerRunner>();
    const auto zx0 = std::make_shared<Zx0Runner>();
    QObject::connect(runner.get(), &PackerRunner::runningChanged, runner.get(),
                     [c](bool) { c->commandStatesChanged(); });
    QObject::connect(zx0.get(), &Zx0Runner::runningChanged, zx0.get(), [c](bool) { c->commandStatesChanged(); });

    registry.add(Command::ImportTornado, [c] { importTornado(*c); });
    registry.add(Command::DisplayInfo, [c] { displayInfo(*c); });
    registry.add(Command::BinaryInterrupts, [c] { openInterruptManager(*c); });

    const auto selection = [c, runner](BufferOperation operation) {
        return [c, runner, operation] { packSelection(*c, *runner, operation); };
    };
    registry.add(Command::MegaLzPack, selection(BufferOperation::MegaLzPack));
    registry.add(Command::MegaLzUnpack, selection(BufferOperation::MegaLzUnpack));
    registry.add(Command::AplibPack, selection(BufferOperation::ApLibPack));
    registry.add(Command::ExomizerPack, selection(BufferOperation::ExomizerPack));
    registry.add(Command::Zx0Pack, [c, zx0] { zx0PackSelection(*c, *zx0, false); });
    registry.add(Command::Zx0PackBackwards, [c, zx0] { zx0PackSelection(*c, *zx0, true); });
    registry.add(Command::Zx0Unpack, [c] { zx0UnpackSelection(*c); });

    const auto binary = [c, runner](Packer packer) { return [c, runner, packer] { packBinary(*c, *runner, packer); }; };
    registry.add(Command::BinaryPackMegaLz, binary(Packer::MegaLz));
    registry.add(Command::BinaryPackAplib, binary(Packer::ApLib));
    registry.add(Command::BinaryPackExomizer, binary(Packer::Exomizer));
    registry.add(Command::BinaryPackZx0, [c, zx0] { zx0PackBinary(*c, *zx0); });

    registry.add(
        Command::StopBuild,
        [c, runner, zx0] {
            c->stopBuild();
            runner->stop();
            zx0->cancel();
        },
        [c, runner, zx0] { return c->building() || runner->isRunning() || zx0->isRunning(); });
}

}  // namespace quillo
