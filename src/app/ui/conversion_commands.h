#pragma once
// The Edit menu's conversions of the selection in the current editor.
#include "app/command_registry.h"

#include <functional>

class QWidget;

namespace quillo {

class SourceEditor;

// ConvDecimal, ConvHexadecimal, ConvBinary, ConvNegative8, UpperCase,
// LowerCase, TextToBytes and DefbNegative: each replaces the selection with
// its result (with no selection the result goes in at the caret).
void registerConversionCommands(CommandRegistry& registry, std::function<SourceEditor*()> currentEditor,
                                QWidget* window);

}  // namespace quillo
