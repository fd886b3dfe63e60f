#include "editor/editor_setup.h"
#include "common/editor_marks.h"

#include "app/settings.h"
#include "editor/basic_words.h"
#include "editor/editor_styles.h"
#include "common/sci_constants.h"
#include "editor/source_styler.h"

#include <array>

namespace quillo {

using namespace sci;

namespace {

constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0x000000;
constexpr int kGreen = 0x00FF00;

void defineMarker(ScintillaMessages& e, int marker, int symbol) {
    e.send(SCI_MARKERDEFINE, static_cast<std::uintptr_t>(marker), symbol);
}

void markerColours(ScintillaMessages& e, int marker, int fore, int back) {
    e.send(SCI_MARKERSETFORE, static_cast<std::uintptr_t>(marker), fore);
    e.send(SCI_MARKERSETBACK, static_cast<std::uintptr_t>(marker), back);
}

void applyWrap(ScintillaMessages& e, const Settings& s) {
    if (s.integer(Setting::WordWrap) != 0) {
        e.send(SCI_SETWRAPMODE, SC_WRAP_WORD);
        e.send(SCI_SETWRAPVISUALFLAGS, SC_WRAPVISUALFLAG_START);
        e.send(SCI_SETWRAPVISUALFLAGSLOCATION, SC_WRAPVISUALFLAGLOC_START_BY_TEXT);
        e.send(SCI_SETWRAPSTARTINDENT, 2);
    } else {
        e.send(SCI_SETWRAPMODE, SC_WRAP_NONE);
    }
}

void foldMarginLook(ScintillaMessages& e, const Settings& s) {
    e.send(SCI_SETMARGINWIDTHN, margin::Fold, 20);
    e.send(SCI_SETFOLDMARGINCOLOUR, 1, s.integer(Setting::FoldBGCol));
    e.send(SCI_SETFOLDMARGINHICOLOUR, 1, s.integer(Setting::FoldFGCol));
}

// A bold key is passed on shifted into the flags' bold bit, so only its bit 0
// is bold: the dark profile's library style value 4 shows plain.
int fontFlags(const Settings& s, const EditorStyle& style) {
    return (style.bold && (s.integer(*style.bold) & 1) ? font_flag::Bold : 0) |
           (style.italic && s.flag(*style.italic) ? font_flag::Italic : 0);
}

const EditorStyle& styleOf(EditorStyle::Role role) {
    for (const EditorStyle& style : editorStyles())
        if (style.role == role) return style;
    return editorStyles().front();
}

// One styled element: the style and the settings keys it is drawn from.
}  // namespace

int foldFlagsFor(int foldLines) {
    switch (foldLines) {
    case 1: return 16;
    case 2: return 4;
    case 3: return 8;
    case 4: return 2;
    default: return 0;
    }
}

int markerSymbolFor(int index) {
    static constexpr std::array<int, 14> kSymbols = {
        SC_MARK_ARROW,     SC_MARK_ARROWS,    SC_MARK_CIRCLE,   SC_MARK_ROUNDRECT,  SC_MARK_SMALLRECT,
        SC_MARK_SHORTARROW, SC_MARK_ARROWDOWN, SC_MARK_MINUS,    SC_MARK_PLUS,       SC_MARK_DOTDOTDOT,
        SC_MARK_LEFTRECT,  SC_MARK_FULLRECT,  SC_MARK_BACKGROUND, SC_MARK_EMPTY};
    if (index < 0 || index >= static_cast<int>(kSymbols.size())) return SC_MARK_CIRCLE;
    return kSymbols[static_cast<std::size_t>(index)];
}

void initialiseSourceEditor(ScintillaMessages& e, SourceStyler& styler) {
    e.send(SCI_SETCODEPAGE, SC_CP_UTF8);
    // Paper is white: a dark theme, line backgrounds and marker colours
    // would hide text on it, so every character prints black.
    e.send(SCI_SETPRINTCOLOURMODE, SC_PRINT_BLACKONWHITE);
    e.send(SCI_SETLEXER, SCLEX_CONTAINER);
    // Style, fold and line-state changes made while styling are the styler's
    // own business; reporting each one would run the handler per line.
    e.send(SCI_SETMODEVENTMASK, SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT | SC_MOD_CHANGEMARKER |
                                    SC_MOD_CHANGEANNOTATION);
    e.send(SCI_SETMARGINWIDTHN, margin::Hidden, 0);
    e.send(SCI_SETMARGINMASKN, margin::Hidden, (1 << marker::Bookmark) | (1 << marker::Error));
    e.send(SCI_SETMARGINSENSITIVEN, margin::Fold, 1);
    e.send(SCI_SETMARGINMASKN, margin::Fold, static_cast<std::intptr_t>(static_cast<std::uint32_t>(SC_MASK_FOLDERS)));
    defineMarker(e, SC_MARKNUM_FOLDEROPEN, SC_MARK_BOXMINUS);
    defineMarker(e, SC_MARKNUM_FOLDER, SC_MARK_BOXPLUS);
    defineMarker(e, SC_MARKNUM_FOLDEREND, SC_MARK_BOXPLUSCONNECTED);
    defineMarker(e, SC_MARKNUM_FOLDEROPENMID, SC_MARK_BOXMINUSCONNECTED);
    for (const int m : {SC_MARKNUM_FOLDEROPEN, SC_MARKNUM_FOLDER, SC_MARKNUM_FOLDEREND, SC_MARKNUM_FOLDEROPENMID})
        markerColours(e, m, kWhite, kBlack);
    defineMarker(e, SC_MARKNUM_FOLDERSUB, SC_MARK_VLINE);
    defineMarker(e, SC_MARKNUM_FOLDERTAIL, SC_MARK_LCORNER);
    defineMarker(e, SC_MARKNUM_FOLDERMIDTAIL, SC_MARK_TCORNER);
    for (const int m : {SC_MARKNUM_FOLDERSUB, SC_MARKNUM_FOLDERTAIL, SC_MARKNUM_FOLDERMIDTAIL})
        e.send(SCI_MARKERSETBACK, static_cast<std::uintptr_t>(m), kBlack);
    e.send(SCI_STYLECLEARALL);
    styler.updateLineNumberMargin();
    e.send(SCI_AUTOCSETIGNORECASE, styler.words().caseSensitive() ? 0 : 1);
    e.send(SCI_CALLTIPUSESTYLE, 0);
    defineMarker(e, marker::Bookmark, SC_MARK_SHORTARROW);
    defineMarker(e, marker::Error, SC_MARK_BACKGROUND);
}

void configureSourceEditor(ScintillaMessages& e, SourceStyler& styler, const Settings& s) {
    styler.setMarginPadding(10);
    e.send(SCI_SETMARGINWIDTHN, margin::Fold, 16);
    styler.setEditorColour(editor_colour::CaretLineBack, 0xB4FFFF);
    styler.setDefaultFont("Courier New", 10, 0);
    e.send(SCI_SETTABWIDTH, 2);
    e.send(SCI_SETUSETABS, 0);

    registerBasicWords(styler.words());
    styler.setSeparators(kBasicSeparators);
    styler.setNumberStyle(basic_style::Number);
    styler.setLineHook(styleStructureLine);

    e.send(SCI_SETZOOM, static_cast<std::uintptr_t>(s.integer(Setting::Zoom)));
    applyWrap(e, s);
    e.send(SCI_AUTOCSETIGNORECASE, 1);
    e.send(SCI_AUTOCSETSEPARATOR, 3);
    applyEditorSettings(e, styler, s);
}

void applyEditorSettings(ScintillaMessages& e, SourceStyler& styler, const Settings& s) {
    e.send(SCI_SETMARGINMASKN, margin::Symbols, 0x1F);
    e.send(SCI_SETMARGINWIDTHN, margin::Symbols, 20);
    e.send(SCI_SETMARGINTYPEN, margin::Symbols, SC_MARGIN_SYMBOL);
    foldMarginLook(e, s);
    applyWrap(e, s);

    // Folded, open, body and end symbols of the fold margin.
    static constexpr int kFoldSymbols[4][4] = {
        {SC_MARK_ARROW, SC_MARK_ARROWDOWN, SC_MARK_VLINE, SC_MARK_LCORNERCURVE},
        {SC_MARK_BOXPLUS, SC_MARK_BOXMINUS, SC_MARK_VLINE, SC_MARK_LCORNER},
        {SC_MARK_CIRCLEPLUS, SC_MARK_CIRCLEMINUS, SC_MARK_VLINE, SC_MARK_LCORNERCURVE},
        {SC_MARK_DOTDOTDOT, SC_MARK_CIRCLE, SC_MARK_VLINE, SC_MARK_LCORNERCURVE},
    };
    const int foldingStyle = s.integer(Setting::FoldingStyle);
    if (foldingStyle >= 0 && foldingStyle < 4) {
        const int* symbols = kFoldSymbols[foldingStyle];
        defineMarker(e, SC_MARKNUM_FOLDER, symbols[0]);
        defineMarker(e, SC_MARKNUM_FOLDEROPEN, symbols[1]);
        defineMarker(e, SC_MARKNUM_FOLDERSUB, symbols[2]);
        defineMarker(e, SC_MARKNUM_FOLDERTAIL, symbols[3]);
    }
    markerColours(e, SC_MARKNUM_FOLDER, s.integer(Setting::CFoldFG), s.integer(Setting::CFoldBG));
    markerColours(e, SC_MARKNUM_FOLDEROPEN, s.integer(Setting::OFoldFG), s.integer(Setting::OFoldBG));
    for (const int m : {SC_MARKNUM_FOLDEREND, SC_MARKNUM_FOLDEROPENMID}) markerColours(e, m, kWhite, kGreen);
    for (const int m : {SC_MARKNUM_FOLDERMIDTAIL, SC_MARKNUM_FOLDERTAIL, SC_MARKNUM_FOLDERSUB})
        markerColours(e, m, kWhite, kBlack);

    e.send(SCI_SETINDENTATIONGUIDES, static_cast<std::uintptr_t>(s.integer(Setting::IndentGuides)));
    e.send(SCI_SETVIEWWS, static_cast<std::uintptr_t>(s.integer(Setting::Whitespace)));
    e.send(SCI_SETCONTROLCHARSYMBOL, static_cast<std::uintptr_t>(s.integer(Setting::ContrChars)));
    e.send(SCI_SETVIEWEOL, static_cast<std::uintptr_t>(s.integer(Setting::ContrChars)));

    e.send(SCI_SETFOLDFLAGS, static_cast<std::uintptr_t>(foldFlagsFor(s.integer(Setting::FoldLines))));
    foldMarginLook(e, s);

    struct MarkerKeys {
        int marker;
        Setting shape, fg, bg;
    };
    for (const MarkerKeys& m : {MarkerKeys{marker::Error, Setting::ErrMark, Setting::ErrFGCol, Setting::ErrBGCol},
                                MarkerKeys{marker::Warning, Setting::WarnMark, Setting::WarnFGCol, Setting::WarnBGCol},
                                MarkerKeys{marker::Bookmark, Setting::BookMark, Setting::BookFGCol, Setting::BookBGCol}}) {
        defineMarker(e, m.marker, markerSymbolFor(s.integer(m.shape)));
        markerColours(e, m.marker, s.integer(m.fg), s.integer(m.bg));
    }

    // The default style first: every other style starts as a copy of it.
    const EditorStyle& base = styleOf(EditorStyle::Role::Default);
    styler.setEditorColour(editor_colour::DefaultBack, s.integer(base.background));
    styler.setEditorColour(editor_colour::DefaultFore, s.integer(base.foreground));
    styler.setDefaultFont(s.text(base.font), -1, fontFlags(s, base));

    for (const EditorStyle& k : editorStyles()) {
        if (k.role != EditorStyle::Role::Token) continue;
        styler.setStyleFont(k.style, s.text(k.font), -1, fontFlags(s, k));
        styler.setStyleColours(k.style, s.integer(k.foreground), s.integer(k.background));
        if (k.upperCase) e.send(SCI_STYLESETCASE, static_cast<std::uintptr_t>(k.style), SC_CASE_UPPER);
    }

    const EditorStyle& numbers = styleOf(EditorStyle::Role::LineNumbers);
    styler.setEditorColour(editor_colour::LineNumberBack, s.integer(numbers.background));
    styler.setEditorColour(editor_colour::LineNumberFore, s.integer(numbers.foreground));
    styler.setStyleFont(numbers.style, s.text(numbers.font), -1, fontFlags(s, numbers));

    const EditorStyle& caret = styleOf(EditorStyle::Role::CaretLine);
    styler.setEditorColour(editor_colour::CaretLineBack, s.integer(caret.background));
    styler.setEditorColour(editor_colour::CaretFore, s.integer(caret.foreground));
    styler.setStyleColours(STYLE_BRACELIGHT, s.integer(Setting::BraceHLColourFG), s.integer(Setting::BraceHLColourBG));

    e.send(SCI_SETMARGINSENSITIVEN, margin::Symbols, 1);
    e.send(SCI_SETCARETLINEVISIBLE, s.flag(Setting::CaretLine) ? 1 : 0);
    e.send(SCI_SETUSETABS, 1);
    e.send(SCI_SETTABWIDTH, static_cast<std::uintptr_t>(s.integer(Setting::Tab_Width)));
    styler.setFeatures(styler_flag::FeaturesConfigured);
}

}  // namespace quillo
