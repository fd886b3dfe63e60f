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

#include <QPointer>

#include <algorithm>

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

}  // namespace

void packSelection(const ToolCommandContext& context, PackerRunner& runner, BufferOperation operation) {
    SourceEditor* editor = context.editor();
    if (!editor || runner.isRunning()) return;
    const Selection selection = selectionOf(editor);
    if (selection.text.find(';') != std::string::npos) {
        showMessage(context.window, QStringLiteral("Problem!"),
                    QStringLiteral("Commented out text found, but not allowed"), QMessageBox::Warning);
        return;
    }
    if (selection.text.empty()) return;
    const std::vector<std::uint8_t> input = parseDefb(selection.text);
    const std::string program = packerPath(context.settings, packerOf(operation));
    if (!isPackerConfigured(program)) return;

    const bool unpack = operation == BufferOperation::MegaLzUnpack;
    QWidget* window = context.window;
    const bool started = runner.start(
        [operation, program](const std::string& folder) { return bufferPackerRun(operation, program, folder); },
        &input, unpack, [window, selection, inputSize = input.size(), unpack](const PackerResult& result) {
            if (!result.ok) return showFailure(window, result.failure);
            if (!selection.unchanged()) {
                showFailure(window, "The selection changed while the packer ran; it was left as it is.");
                return;
            }
            SourceEditor& ed = *selection.editor;
            ed.send(Sci::SCI_SETSEL, static_cast<std::uintptr_t>(selection.start), selection.end);
            const std::string text = formatDefb(result.output);
            ed.send(Sci::SCI_REPLACESEL, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
            showPacked(window, inputSize, result.output.size(), unpack);
        });
    if (started && unpack) context.appendLog(unpackLogText(runner.run()));
}

void packBinary(const ToolCommandContext& context, PackerRunner& runner, Packer packer) {
    BinaryManagerWindow* manager = context.binaryManager();
    if (!manager || runner.isRunning()) return;
    const int index = manager->selectedIndex();
    BinaryList& list = context.binaries();
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    const BinaryRecord original = list[static_cast<std::size_t>(index)];
    const std::string program = packerPath(context.settings, packer);
    if (!isPackerConfigured(program)) return;

    const std::string target = original.file + std::string(packedSuffix(packer));
    QWidget* window = context.window;
    const auto binaries = context.binaries;
    const QPointer<BinaryManagerWindow> shown(manager);
    const bool started = runner.start(
        [packer, program, file = original.file](const std::string& folder) {
            return binaryPackerRun(packer, program, file, folder);
        },
        nullptr, false, [window, binaries, shown, original, target](const PackerResult& result) {
            if (!result.ok) return showFailure(window, result.failure);
            if (const Status written = writeFileAtomic(target, asText(result.output)); !written)
                return showError(window, QStringLiteral("Error"), written.error());
            BinaryList& now = binaries();
            const auto record = std::find(now.begin(), now.end(), original);
            if (record != now.end()) {
                record->file = target;
                record->size = static_cast<std::int32_t>(result.output.size());
            }
            if (shown) shown->refresh();
            showPacked(window, static_cast<std::size_t>(original.size), result.output.size(), false);
        });
    if (started) context.appendOutput(runner.run().commandText);
}

}  // namespace quillo
