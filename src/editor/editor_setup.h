#pragma once
#include "common/scintilla_messages.h"

namespace quillo {

class Settings;
class SourceStyler;

// Creation of a source editor: code page, container lexer, margins, fold
// markers and the two line markers, through Scintilla messages only.
void initialiseSourceEditor(ScintillaMessages& editor, SourceStyler& styler);

// The configuration done once after creation: fonts and tabs, the language's
// words, separators, number style and structure hook, zoom, wrap and
// completion options; ends with the settings pass.
void configureSourceEditor(ScintillaMessages& editor, SourceStyler& styler, const Settings& settings);

// The settings pass, run on every open editor whenever the settings change:
// margins, fold symbols and flags, markers, every style, tabs, features.
void applyEditorSettings(ScintillaMessages& editor, SourceStyler& styler, const Settings& settings);

// Table lookups of the settings pass.
int foldFlagsFor(int foldLines);
int markerSymbolFor(int index);

}  // namespace quillo
