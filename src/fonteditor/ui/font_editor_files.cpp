// The font editor's file, clipboard and library actions.
#include "fonteditor/font_files.h"
#include "fonteditor/font_texts.h"
#include "fonteditor/fzx_writer.h"
#include "fonteditor/pc_font_cell.h"
#include "fonteditor/standard_shapes.h"
#include "fonteditor/ui/font_editor_window.h"
#include "fonteditor/ui/font_library_dialog.h"

#include "common/file_io.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "pipeline/ui/build_messages.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace quillo {

namespace {

const QString kExportFilters = QStringLiteral(
    "Paintbrush CH8 File (All) (*.chr);;Binary Font (range) (*.bin);;tap File (range) (*.tap);;"
    "BASIN Font (*.SpecCHR);;FZX proportional font (*.fzx)");
constexpr int kFzxFilter = 4;

Glyph pcFontGlyph(const QFont& font, int code) {
    QImage surface(8, 8, QImage::Format_RGB32);
    surface.fill(Qt::black);
    if (code != 0) {
        QPainter p(&surface);
        p.setFont(font);
        p.setPen(Qt::white);
        const QString text(QChar(static_cast<char16_t>(code)));
        const QFontMetrics metrics(font);
        const int x = pcFontCellOrigin(metrics.horizontalAdvance(text));
        const int y = pcFontCellOrigin(metrics.height());
        p.drawText(x, y + metrics.ascent(), text);
    }
    return glyphFromPixels([&](int x, int y) { return (surface.pixel(x, y) & 0xFFFFFF) != 0; });
}

void toClipboard(QWidget* parent, const std::string& text, FontScope scope, const char* kind) {
    QGuiApplication::clipboard()->setText(toQ(text));
    showMessage(parent, QStringLiteral("Information"),
                QStringLiteral("Font Data of %1 copied To Clibboard As %2").arg(toQ(scopeWhat(scope)), QLatin1String(kind)));
}

}  // namespace

void FontEditorWindow::newFont() {
    if (!askYesNo(this, QStringLiteral("Are you sure?"), QStringLiteral("Clear Font data?"))) return;
    font_.bitmaps.fill(0);
    refresh();
}

void FontEditorWindow::openFont() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QStringLiteral("Load font"), fontFolder_, QStringLiteral("Mosaic-x fonts (*.mzf)"));
    if (chosen.isEmpty()) return;
    font_.takeUndo();
    const std::string path = withExtension(fromQ(chosen), ".mzf");
    const Result<Bytes> bytes = readFilePrefix(path, kMzfSize);
    if (!bytes) return showError(this, QStringLiteral("Error"), bytes.error());
    readMzf(font_, *bytes);
    refresh();
}

void FontEditorWindow::saveFont() {
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Save Font"), fontFolder_,
                                                        QStringLiteral("Mosaic-x Fonts (*.mzf)"), nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) return;
    writeExport(toQ(withExtension(fromQ(chosen), ".mzf")), mzfBytes(font_));
}

void FontEditorWindow::writeExport(const QString& path, const std::string& bytes) {
    if (!confirmTargetFile(this, path, static_cast<qint64>(bytes.size()))) return;
    if (const Status written = writeFileAtomic(fromQ(path), bytes); !written)
        showError(this, QStringLiteral("Error"), written.error());
}

void FontEditorWindow::importBinary() {
    QString selected = QStringLiteral("All (*)");
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("Font import"), fontFolder_,
        QStringLiteral("ZX Paintbrush fonts (*.ch4 *.ch6 *.ch8 *.chr);;Binary Data (*.bin);;"
                       "All supported (*.ch4 *.ch6 *.ch8 *.chr *.bin);;All (*)"),
        &selected);
    if (chosen.isEmpty()) return;
    font_.takeUndo();
    const std::string path = fromQ(chosen);
    const long long size = fileSize(path);
    const auto placement = size < 0 ? std::nullopt : importPlacement(lowerExtension(path), static_cast<std::uintmax_t>(size));
    if (!placement) return;
    const Result<Bytes> bytes = readFilePrefix(path, placement->count);
    if (!bytes) return showError(this, QStringLiteral("Error"), bytes.error());
    placeBytes(font_.bitmaps, *placement, *bytes);
    refresh();
}

void FontEditorWindow::loadBySizeFrom(const QString& chosen) {
    const std::string path = fromQ(chosen);
    const long long size = fileSize(path);
    if (size < 0 || static_cast<std::uintmax_t>(size) >= kLoadBySizeLimit) return;
    font_.takeUndo();
    const Result<Bytes> bytes = readFile(path, kLoadBySizeLimit);
    if (!bytes) return showError(this, QStringLiteral("Error"), bytes.error());
    loadBySize(font_.bitmaps, lowerExtension(path), *bytes);
    refresh();
}

void FontEditorWindow::importPcFont() {
    bool ok = false;
    QFont start;
    start.setPointSize(8);
    const QFont chosen = QFontDialog::getFont(&ok, start, this);
    if (!ok) return;
    font_.takeUndo();
    for (int c = 0; c < 256; ++c) {
        const Glyph g = pcFontGlyph(chosen, c);
        std::copy(g.begin(), g.end(), font_.glyphAt(c));
    }
    refresh();
}

void FontEditorWindow::importClipboard() {
    writeFromChar(font_.bitmaps, current_, parseFontClipboard(fromQ(QGuiApplication::clipboard()->text())));
    refresh();
}

void FontEditorWindow::exportFile() {
    QString selected;
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Font Export"), fontFolder_, kExportFilters,
                                                        &selected, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) return;
    const int index = std::max(0, static_cast<int>(kExportFilters.split(QStringLiteral(";;")).indexOf(selected)));
    if (index == kFzxFilter) return writeExport(toQ(withExtension(fromQ(chosen), ".fzx")), fzxBytes(font_));
    const auto format = static_cast<FontExportFormat>(index);
    writeExport(toQ(withExtension(fromQ(chosen), exportExtension(format))), exportBytes(font_, format));
}

void FontEditorWindow::exportAsm() {
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("ASM Export"), QString(),
                                                        QStringLiteral("*.asm"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) return;
    writeExport(chosen, fontAsmText(font_, scopeSpan()));
}

void FontEditorWindow::exportAsmClipboard() { toClipboard(this, fontAsmText(font_, scopeSpan()), scope(), "asm"); }

void FontEditorWindow::exportByteClipboard() {
    toClipboard(this, fontBasicText(font_, scopeSpan()), scope(), "BASIC Data");
}

void FontEditorWindow::exportToBinaryManager() {
    const CharSpan span = scopeSpan();
    const QByteArray data(reinterpret_cast<const char*>(font_.glyphAt(span.first)), static_cast<qsizetype>(span.byteCount()));
    if (toBinaryManager_)
        toBinaryManager_(data, toQ(binaryFileName(current_)), toQ(binaryDescription(scope(), span)));
}

void FontEditorWindow::openLibrary() {
    font_.takeUndo();
    FontLibraryDialog dialog(this);
    dialog.exec();
    if (dialog.cancelled()) return;
    loadLibraryFont(font_, static_cast<std::size_t>(dialog.index()));
    refresh();
}

}  // namespace quillo
