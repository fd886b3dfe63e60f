#include "pipeline/ui/packer_actions.h"

#include "app/settings.h"
#include "common/defb_format.h"
#include "common/defb_parse.h"
#include "common/byte_view.h"
#include "common/file_io.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "editor/ui/source_editor.h"
#include "pipeline/ui/binary_manager_window.h"
#include "pipeline/ui/packer_runner.h"
#include "pipeline/ui/zx0_runner.h"
#include "pipeline/zx0_command_line.h"

#include <QPointer>

#include <algorithm>
#include <optional>

namespace quillo {

namespace {

using Sci = QsciScintillaBase;

std::string packerPath(const Settings& settings, Packer packer) {
    switch (packer) {
    case Packer::ApLib: return settings.text(Setting::ApLib);
    case Packer::Exomizer: return settings.text(Setting::Exomizer);
    default: return settings.text(Setting::MegaLZ);
    }
}

void showFailure(QWidget* parent, const std::string& failure) {
    showMessage(parent, QStringLiteral("Error"), toQ(failure), QMessageBox::Warning);
}

void showPacked(QWidget* parent, std::size_t input, std::size_t output, bool unpacked) {
    showMessage(parent, unpacked ? QStringLiteral("DeCompression done!") : QStringLiteral("Compression done!"),
                toQ(packedText(input, output, unpacked)), QMessageBox::Information);
}

// The selection as it was when the packer started, so the result replaces
// exactly that text or nothing.
struct Selection {
    QPointer<SourceEditor> editor;
    std::intptr_t start = 0;
    std::intptr_t end = 0;
    std::string text;

    bool unchanged() const {
        if (!editor) return false;
        const std::string_view now = editor->textView();
        return end <= static_cast<std::intptr_t>(now.size()) &&
               now.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)) == text;
    }
};

Selection selectionOf(SourceEditor* editor) {
    Selection s{editor, editor->send(Sci::SCI_GETSELECTIONSTART), editor->send(Sci::SCI_GETSELECTIONEND), {}};
    const std::string_view text = editor->textView();
    s.end = std::min<std::intptr_t>(s.end, static_cast<std::intptr_t>(text.size()));
    s.start = std::min(s.start, s.end);
    s.text = std::string(text.substr(static_cast<std::size_t>(s.start), static_cast<std::size_t>(s.end - s.start)));
    return s;
}

// The selection of the DEFB commands, or nothing (after saying why) when
// there is none or it holds a comment.
std::optional<Selection> defbSelection(const ToolCommandContext& context) {
    SourceEditor* editor = context.editor();
    if (!editor) return std::nullopt;
    Selection selection = selectionOf(editor);
    if (selection.text.find(';') != std::string::npos) {
        showMessage(context.window, QStringLiteral("Problem!"),
                    QStringLiteral("Commented out text found, but not allowed"), QMessageBox::Warning);
        return std::nullopt;
    }
    if (selection.text.empty()) return std::nullopt;
    return selection;
}

// The result as DEFB lines in place of the selection, unless it changed
// meanwhile; then the sizes.
bool replaceSelection(QWidget* window, const Selection& selection, const std::vector<std::uint8_t>& output,
                      std::size_t inputSize, bool unpacked) {
    if (!selection.unchanged()) {
        showFailure(window, "The selection changed while the packer ran; it was left as it is.");
        return false;
    }
    SourceEditor& ed = *selection.editor;
    ed.send(Sci::SCI_SETSEL, static_cast<std::uintptr_t>(selection.start), selection.end);
    const std::string text = formatDefb(output);
    ed.send(Sci::SCI_REPLACESEL, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
    showPacked(window, inputSize, output.size(), unpacked);
    return true;
}

// The selected record of the open binary manager, or nothing.
std::optional<BinaryRecord> selectedRecord(const ToolCommandContext& context) {
    BinaryManagerWindow* manager = context.binaryManager();
    if (!manager) return std::nullopt;
    const int index = manager->selectedIndex();
    const BinaryList& list = context.binaries();
    if (index < 0 || index >= static_cast<int>(list.size())) return std::nullopt;
    return list[static_cast<std::size_t>(index)];
}

// The packed bytes written to target, and the record (if it is still there)
// pointed at them.
bool storePackedRecord(QWidget* window, const std::function<BinaryList&()>& binaries,
                       const QPointer<BinaryManagerWindow>& shown, const BinaryRecord& original,
                       const std::string& target, const std::vector<std::uint8_t>& output) {
    if (const Status written = writeFileAtomic(target, asText(output)); !written) {
        showError(window, QStringLiteral("Error"), written.error());
        return false;
    }
    BinaryList& now = binaries();
    const auto record = std::find(now.begin(), now.end(), original);
    if (record != now.end()) {
        record->file = target;
        record->size = static_cast<std::int32_t>(output.size());
    }
    if (shown) shown->refresh();
    showPacked(window, static_cast<std::size_t>(original.size), output.size(), false);
    return true;
}

}  // namespace

void packSelection(const ToolCommandContext& context, PackerRunner& runner, BufferOperation operation) {
    if (runner.isRunning()) return;
    const std::optional<Selection> selection = defbSelection(context);
    if (!selection) return;
    const std::vector<std::uint8_t> input = parseDefb(selection->text);
    const std::string program = packerPath(context.settings, packerOf(operation));
    if (!isPackerConfigured(program)) return;

    const bool unpack = operation == BufferOperation::MegaLzUnpack;
    QWidget* window = context.window;
    const bool started = runner.start(
        [operation, program](const std::string& folder) { return bufferPackerRun(operation, program, folder); },
        &input, unpack, [window, selection = *selection, inputSize = input.size(), unpack](const PackerResult& result) {
            if (!result.ok) return showFailure(window, result.failure);
            replaceSelection(window, selection, result.output, inputSize, unpack);
        });
    if (started && unpack) context.appendLog(unpackLogText(runner.run()));
}

void packBinary(const ToolCommandContext& context, PackerRunner& runner, Packer packer) {
    if (runner.isRunning()) return;
    const std::optional<BinaryRecord> original = selectedRecord(context);
    if (!original) return;
    const std::string program = packerPath(context.settings, packer);
    if (!isPackerConfigured(program)) return;

    const std::string target = original->file + std::string(packedSuffix(packer));
    QWidget* window = context.window;
    const auto binaries = context.binaries;
    const QPointer<BinaryManagerWindow> shown(context.binaryManager());
    const bool started = runner.start(
        [packer, program, file = original->file](const std::string& folder) {
            return binaryPackerRun(packer, program, file, folder);
        },
        nullptr, false, [window, binaries, shown, original = *original, target](const PackerResult& result) {
            if (!result.ok) return showFailure(window, result.failure);
            storePackedRecord(window, binaries, shown, original, target, result.output);
        });
    if (started) context.appendOutput(runner.run().commandText);
}

void zx0PackSelection(const ToolCommandContext& context, Zx0Runner& runner, bool backwards) {
    if (runner.isRunning()) return;
    const std::optional<Selection> selection = defbSelection(context);
    if (!selection) return;
    std::vector<std::uint8_t> input = parseDefb(selection->text);
    const std::size_t inputSize = input.size();
    QWidget* window = context.window;
    runner.start(window, std::move(input), backwards,
                 [window, selection = *selection, inputSize, log = context.appendLog](const zx0::Packed& packed) {
                     if (!packed.ok()) return showFailure(window, zx0Failure(packed.error, false));
                     if (replaceSelection(window, selection, packed.bytes, inputSize, false)) log(zx0DeltaText(packed));
                 });
}

void zx0UnpackSelection(const ToolCommandContext& context) {
    const std::optional<Selection> selection = defbSelection(context);
    if (!selection) return;
    const std::vector<std::uint8_t> input = parseDefb(selection->text);
    // Linear and bounded by the Spectrum's memory: no need for a thread.
    const zx0::Unpacked unpacked = zx0::decompress(input, false, zx0::kMaxInput);
    if (!unpacked.ok()) return showFailure(context.window, zx0Failure(unpacked.error, true));
    replaceSelection(context.window, *selection, unpacked.bytes, input.size(), true);
}

void zx0PackBinary(const ToolCommandContext& context, Zx0Runner& runner) {
    if (runner.isRunning()) return;
    const std::optional<BinaryRecord> original = selectedRecord(context);
    if (!original) return;
    Result<Bytes> input = readFile(original->file, zx0::kMaxInput);
    if (!input) return showError(context.window, QStringLiteral("Error"), input.error());
    const std::string target = original->file + ".zx0";
    QWidget* window = context.window;
    const QPointer<BinaryManagerWindow> shown(context.binaryManager());
    runner.start(window, std::move(*input), false,
                 [window, binaries = context.binaries, shown, original = *original, target,
                  log = context.appendLog](const zx0::Packed& packed) {
                     if (!packed.ok()) return showFailure(window, zx0Failure(packed.error, false));
                     if (storePackedRecord(window, binaries, shown, original, target, packed.bytes))
                         log("ZX0: " + original.file + " packed to " + target + "; " + zx0DeltaText(packed));
                 });
}

}  // namespace quillo
