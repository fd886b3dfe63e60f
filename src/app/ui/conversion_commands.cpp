#include "app/ui/conversion_commands.h"

#include "app/selection_conversions.h"
#include "common/ui/message_box.h"
#include "editor/structure_commands.h"
#include "editor/ui/source_editor.h"

#include <utility>

namespace quillo {

namespace {

using Sci = QsciScintillaBase;

constexpr std::pair<Command, Conversion> kConversions[] = {
    {Command::ConvDecimal, Conversion::Decimal},       {Command::ConvHexadecimal, Conversion::Hexadecimal},
    {Command::ConvBinary, Conversion::Binary},         {Command::ConvNegative8, Conversion::Negative8},
    {Command::UpperCase, Conversion::UpperCase},       {Command::LowerCase, Conversion::LowerCase},
    {Command::TextToBytes, Conversion::TextToBytes},   {Command::DefbNegative, Conversion::DefbNegative},
};

void convert(SourceEditor& editor, Conversion conversion, QWidget* window) {
    const std::string selection = textRange(editor, static_cast<long>(editor.send(Sci::SCI_GETSELECTIONSTART)),
                                            static_cast<long>(editor.send(Sci::SCI_GETSELECTIONEND)));
    const ConversionResult result = convertSelection(conversion, selection);
    switch (result.kind) {
    case ConversionResult::Kind::Replace:
        editor.send(Sci::SCI_REPLACESEL, 0, reinterpret_cast<std::intptr_t>(result.text.c_str()));
        break;
    case ConversionResult::Kind::CommentRefused:
        showMessage(window, QStringLiteral("Problem!"), QStringLiteral("Commented out text found, but not allowed"),
                    QMessageBox::Warning);
        break;
    case ConversionResult::Kind::Nothing: break;
    }
}

}  // namespace

void registerConversionCommands(CommandRegistry& registry, std::function<SourceEditor*()> currentEditor,
                                QWidget* window) {
    for (const auto& [command, conversion] : kConversions) {
        registry.add(command, [currentEditor, conversion = conversion, window] {
            if (SourceEditor* editor = currentEditor()) convert(*editor, conversion, window);
        });
    }
}

}  // namespace quillo
