#include "editor/settings_pages.h"

#include <array>

namespace quillo {

namespace {

using K = SettingControl::Kind;
using S = Setting;

constexpr std::array<const char*, 4> kFoldingStyles = {"Standard: Arrows", "Box TreeStyle (+/-)",
                                                       "Circle TreeStyle (+/-)", "Dot Style"};
constexpr std::array<const char*, 5> kFoldLines = {"None", "Line below if collapsed", "Line abowe if collapsed",
                                                   "Line below if expanded", "Line abowe if expanded"};
constexpr std::array<const char*, 3> kWhitespace = {"Invisible", "Dots and arrows", "Normal until first character"};
constexpr std::array<const char*, 14> kMarkers = {
    "Arrow",      "Arrows",       "Circle", "Round Rectangle", "Small Rectangle", "Short Arrow",    "Arrow down",
    "Minus",      "Plus",         "Three dots", "Left Rectangle", "Full Rectangle", "Background", "Empty"};
constexpr std::array<const char*, 4> kRemStrings = {"' ", "Rem ", "; ", ";' "};
constexpr std::array<const char*, 2> kSuffixes = {"QLO", "BAS"};
constexpr std::array<const char*, 2> kSuffixValues = {"qlo", "bas"};

constexpr SettingControl check(const char* caption, Setting key, const char* tooltip = "") {
    return {K::Check, caption, key, key, tooltip};
}
constexpr SettingControl colours(const char* caption, Setting bg, Setting fg, const char* bgTip, const char* fgTip) {
    return {K::ColourPair, caption, bg, fg, bgTip, fgTip};
}
constexpr SettingControl choice(const char* caption, Setting key, std::span<const char* const> items) {
    SettingControl c{K::Choice, caption, key};
    c.items = items;
    return c;
}
constexpr SettingControl path(const char* caption, Setting key, const char* tooltip, const char* title,
                              const char* web = "", const char* webTip = "") {
    SettingControl c{K::Path, caption, key, key, tooltip};
    c.chooserTitle = title;
    c.webAddress = web;
    c.webTooltip = webTip;
    return c;
}

constexpr auto kOptions = std::to_array<SettingControl>({
    check("Use Braces Highlightning", S::BraceHighlight,
          "Highlights opposite of selected braces to improve Readability of the source"),
    colours("Brace highlight Colour", S::BraceHLColourBG, S::BraceHLColourFG,
            "set Background colour of highlighted braces", "set Foreround colour of highlighted braces"),
    choice("Folding Style:", S::FoldingStyle, kFoldingStyles),
    colours("Open Folding Colour", S::OFoldBG, S::OFoldFG, "Set Open Fold Background colour",
            "Set Open Fold Foreground colour"),
    colours("Closed Folding Colour", S::CFoldBG, S::CFoldFG, "Set Closed Fold Background colour",
            "Set Closed Fold Foreground colour"),
    choice("Fold Lines:", S::FoldLines, kFoldLines),
    choice("Whitespace:", S::Whitespace, kWhitespace),
    check("Show control characters", S::ContrChars),
    check("Caret Line visible", S::CaretLine),
    check("Long lines", S::WordWrap),
    check("Show indentation guides", S::IndentGuides),
    colours("Output display", S::EditBGCol, S::EditFGCol, "Set output window Background colour",
            "Set output window Foreground colour"),
    colours("Foldmargin", S::FoldBGCol, S::FoldFGCol, "Set Foldmargin Background colour",
            "Set Foldmargin Foreground colour"),
    {K::Colour, "Status Bar BG:", S::StatusBGCol, S::StatusBGCol, "Set Background colour of the status bar"},
    choice("Error Line Marker:", S::ErrMark, kMarkers),
    colours("Error Marker Colour", S::ErrBGCol, S::ErrFGCol, "Set Error Marker Background colour",
            "Set Error Marker Foreground colour"),
    choice("Warn Line Marker:", S::WarnMark, kMarkers),
    colours("Warn Marker Colour", S::WarnBGCol, S::WarnFGCol, "Set Warn Marker Background colour",
            "Set Warn Marker Foreground colour"),
    choice("Bookmark Line:", S::BookMark, kMarkers),
    colours("Bookm. Colour", S::BookBGCol, S::BookFGCol, "Set Bookmark marker Background colour",
            "Set Bookmark Marker Foreground colour"),
    colours("Default List Colour", S::BookmDefBG, S::BookmDefFG, "Set Bookmark List default Background colour",
            "Set Bookmark List default Foreground colour"),
    colours("SUB List Colour", S::BookmSubBG, S::BookmSubFG, "Set Bookmark List SUB Background colour",
            "Set Bookmark List SUB Foreground colour"),
    colours("FN def List Colour", S::BookmFnRBG, S::BookmFnRFG,
            "Set Bookmark List FUNCTION (return defined) Background colour",
            "Set Bookmark List FUNCTION (return defined) Foreground colour"),
    colours("FN undef. List Colour", S::BookmFnnBG, S::BookmFnnFG,
            "Set Bookmark List FUNCTION (return undefined) Background colour",
            "Set Bookmark List FUNCTION (return undefined) Foreground colour"),
});

constexpr auto kEditor = std::to_array<SettingControl>({
    {K::TextChoice, "AutoREM String:", S::REM_String, S::REM_String, "", "", kRemStrings},
    check("Display errors as Annotations", S::Error_Annotations),
    check("Autocomplete", S::Autocomplete),
    {K::Number, "Tab width:", S::Tab_Width, S::Tab_Width, "", "", {}, {}, 1, 16},
    {K::TextChoice, "Suffix:", S::Suffix, S::Suffix, "", "", kSuffixes, kSuffixValues},
});

constexpr const char* kCompilerTitle = "Select ZX Basic compiler file";
constexpr const char* kEmulatorTitle = "Select Emulator file";

constexpr auto kCompiler = std::to_array<SettingControl>({
    path("ZXBCompiler File 1:", S::CompilerZXB, "Select the primary ZX Basic compiler exe", kCompilerTitle,
         "https://zxbasic.readthedocs.io/en/latest/archive/", "Visitdownload page of ZXBC"),
    path("ZXBCompiler File 2:", S::CompilerZXB2, "Select the secondary (beta) ZX Basic compiler exe",
         kCompilerTitle),
});

constexpr auto kTools = std::to_array<SettingControl>({
    path("Emulator File 0:", S::Emulator, "Select the SPIN Emulator exe", kEmulatorTitle,
         "https://fuse-emulator.sourceforge.net/", "Visit the home page of Fuse"),
    path("Emulator File 1:", S::Emulator1, "Select the EmuZWin Emulator exe", kEmulatorTitle,
         "https://github.com/chernandezba/zesarux", "Visit the home page of ZEsarUX"),
    path("Emulator File 2:", S::Emulator2, "Select the 3rd Emulator exe", kEmulatorTitle),
    path("Emulator File 3:", S::Emulator3, "Select the 4th Emulator exe", kEmulatorTitle),
    path("Emulator File 4:", S::Emulator4, "Select the 5th Emulator exe", kEmulatorTitle),
    path("Exomizer v2:", S::Exomizer, "Select the Exomizer packer", "Select Exomizer EXE file",
         "https://bitbucket.org/magli143/exomizer/wiki/Home", "Visit the home page of Exomizer"),
    path("MegaLZ:", S::MegaLZ, "Select the MegaLZ packer", "Select MegaLZ EXE file",
         "http://nedoos.ru/svn/filedetails.php?path=%2Fsrc%2Fgames%2F_sdk%2Ftools%2FMegaLZ%2FREADME&repname=NedoOS",
         "Visit the page of MegaLZ"),
    path("ApLib:", S::ApLib, "Select the ApLib packer", "Select Aplib EXE file",
         "https://ibsensoftware.com/products_aPLib.html", "Visit the home page of aPLib"),
});

constexpr std::array<const char*, 3> kFinalSettings = {"Title screen", "Compress Screen", "Compress Code"};

}  // namespace

std::span<const SettingControl> optionsPage() { return kOptions; }
std::span<const SettingControl> editorPage() { return kEditor; }
std::span<const SettingControl> compilerPage() { return kCompiler; }
std::span<const SettingControl> toolsPage() { return kTools; }
std::span<const char* const> finalSettingsCaptions() { return kFinalSettings; }

}  // namespace quillo
