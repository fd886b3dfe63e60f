#include "app/menu_table.h"

#include <array>

namespace quillo {

namespace {

using K = MenuLine::Kind;
using C = Command;

constexpr MenuLine menu(const char* caption) { return {0, K::Menu, caption, C::None, true, false}; }
constexpr MenuLine sub(int depth, const char* caption) { return {depth, K::Menu, caption, C::None, true, false}; }
constexpr MenuLine item(int depth, const char* caption, Command c, bool enabled = true) {
    return {depth, K::Item, caption, c, enabled, false};
}
// An item with its keys; keyText is what the menu shows after the caption.
constexpr MenuLine keyed(int depth, const char* caption, Command c, const char* keys, const char* keyText = "",
                         bool enabled = true) {
    return {depth, K::Item, caption, c, enabled, false, keys, keyText};
}
constexpr MenuLine check(int depth, const char* caption, Command c) { return {depth, K::Item, caption, c, true, true}; }
constexpr MenuLine separator(int depth) { return {depth, K::Separator, "", C::None, true, false}; }

constexpr auto kMenuBar = std::to_array<MenuLine>({
    menu("Project"),
    keyed(1, "New", C::New, "Ctrl+N"),
    keyed(1, "Close Project", C::CloseProject, "Ctrl+W"),
    keyed(1, "Open", C::Open, "Ctrl+O"),
    sub(1, "Open recent"),
    keyed(1, "Save", C::Save, "Ctrl+S"),
    keyed(1, "Save As", C::SaveAs, "Ctrl+Shift+S"),
    sub(1, "Import"),
    sub(2, "from TAP"),
    item(3, "Tornado ASM file", C::ImportTornado),
    sub(2, "from BIN"),
    item(3, "Binary file", C::ImportBinary),
    item(1, "Add #Include", C::AddInclude),
    sub(1, "Move source code"),
    item(2, "<", C::MoveLeft),
    item(2, ">", C::MoveRight),
    item(1, "Clear", C::Clear),
    item(1, "Printout", C::Printout),
    item(1, "Final settings", C::FinalSettings),
    item(1, "Quillo settings", C::QuilloSettings),
    separator(1),
    keyed(1, "Quit", C::Quit, "Ctrl+Q"),

    menu("Edit"),
    item(1, "Undo", C::Undo),
    item(1, "Redo", C::Redo),
    separator(1),
    keyed(1, "Find and replace", C::FindReplace, "F3|Ctrl+F", "F3"),
    item(1, "Cut", C::Cut),
    item(1, "Copy", C::Copy),
    item(1, "Paste", C::Paste),
    keyed(1, "Auto-REM selected", C::AutoRem, "Ctrl+B", "Ctrl+b"),
    keyed(1, "Auto-UnREMs selected", C::AutoUnrem, "Alt+B", "Alt+b"),
    separator(1),
    keyed(1, "Find Sub or Function", C::FindSub, "Shift+F3", "Shift+F3"),
    sub(1, "Folding"),
    item(2, "Fold all", C::FoldAll),
    item(2, "Unfold all", C::UnfoldAll),
    sub(1, "Convert selection to"),
    item(2, "Decimal", C::ConvDecimal),
    item(2, "Hexadecimal", C::ConvHexadecimal),
    item(2, "Binary", C::ConvBinary),
    item(2, "Graphics", C::ConvGraphics),
    item(2, "8-Bit negative", C::ConvNegative8),
    sub(1, "String conversion"),
    item(2, "Upper case", C::UpperCase),
    item(2, "Lower case", C::LowerCase),
    item(2, "Text to Bytes", C::TextToBytes),
    sub(1, "DEFB modification"),
    item(2, "Reorder graphics Data", C::ReorderGraphics),
    item(2, "Negative", C::DefbNegative),
    sub(1, "DEFB Pack + Unpack"),
    item(2, "MegaLZ Pack", C::MegaLzPack),
    item(2, "MegaLZ DeCompression", C::MegaLzUnpack),
    item(2, "Aplib Pack", C::AplibPack),
    item(2, "Exomizer Pack", C::ExomizerPack),
    item(2, "ZX0 Pack", C::Zx0Pack),
    item(2, "ZX0 Pack backwards", C::Zx0PackBackwards),
    item(2, "ZX0 DeCompression", C::Zx0Unpack),

    menu("View"),
    item(1, "Memory map", C::MemoryMap),
    item(1, "Force Refresh", C::ForceRefresh),
    sub(1, "Zoom"),
    keyed(2, "In", C::ZoomIn, "Ctrl+Num++|Ctrl++", "Ctrl +"),
    keyed(2, "Out", C::ZoomOut, "Ctrl+Num+-|Ctrl+-", "Ctrl -"),
    item(2, "Reset Zoom", C::ZoomReset),

    menu("Tools"),
    item(1, "Keyboard helper", C::KeyboardHelper),
    item(1, "ASCII Table", C::AsciiTable),
    item(1, "Font Editor", C::FontEditor),
    item(1, "Binary manager", C::BinaryManager),
    item(1, "Code Library", C::CodeLibrary),
    item(1, "GFX Editor", C::GfxEditor),
    item(1, "Calculator", C::Calculator),
    item(1, "Create DEFB Buffer", C::CreateDefbBuffer),
    item(1, "BEEP Pitch/Hz calculator", C::BeepCalculator),

    menu("Compiler"),
    keyed(1, "Compile", C::Compile, "F9", "F9"),
    keyed(1, "Run", C::Run, "F10", "F10"),
    keyed(1, "Compile and run", C::CompileAndRun, "F11", "F11"),
    keyed(1, "Stop", C::StopBuild, "Esc", "Esc", false),
    separator(1),
    check(1, "Use primary Compiler", C::UsePrimaryCompiler),
    check(1, "Use secondary (beta) Compiler", C::UseSecondaryCompiler),

    menu("Help"),
    keyed(1, "Help", C::Help, "F1", "F1"),
    sub(1, "Technical Info"),
    sub(2, "ZX Spectrum"),
    item(3, "System Variables", C::SystemVariables),
    item(1, "Include Lib Helper", C::IncludeLibHelper),
    item(1, "About Quillo", C::About),
    item(1, "ZXBC version", C::ZxbcVersion),
    item(1, "Display Info", C::DisplayInfo),
});

constexpr auto kBinaryPropertiesPopup = std::to_array<MenuLine>({
    item(0, "Properties", C::BinaryProperties),
});

constexpr auto kBinaryListPopup = std::to_array<MenuLine>({
    sub(0, "Add"),
    item(1, "binary file", C::BinaryAddFile),
    item(1, "Interrupts", C::BinaryInterrupts),
    item(0, "Remove", C::BinaryRemove),
    item(0, "Edit Properties", C::BinaryEditProperties),
    sub(0, "Packer"),
    item(1, "Pack with MegaLZ", C::BinaryPackMegaLz),
    item(1, "Pack with ApLib", C::BinaryPackAplib),
    item(1, "Pack with Exomizer", C::BinaryPackExomizer),
    item(1, "Pack with ZX0", C::BinaryPackZx0),
});

constexpr auto kBookmarkPopup = std::to_array<MenuLine>({
    item(0, "Add bookmark", C::BookmarkAdd),
    item(0, "Remove Bookmark", C::BookmarkRemove),
    item(0, "Remove All Bookmarks", C::BookmarkRemoveAll),
    item(0, "Next bookmark from Cursor pos.", C::BookmarkNext),
    item(0, "Previous bookmark from cursor pos.", C::BookmarkPrevious),
});

constexpr auto kToolbar = std::to_array<ToolButton>({
    {"new", "New", C::New, true},
    {"open", "Open", C::Open, true},
    {"save", "Save", C::Save, true},
    {"print", "Printout", C::Printout, true},
    {"close", "Close project", C::CloseProject, true},
    {nullptr, "", C::None, true},
    {"left", "Move source code to the left", C::MoveLeft, true},
    {"right", "Move source code to the right", C::MoveRight, true},
    {nullptr, "", C::None, true},
    {"find", "Find", C::FindReplace, true},
    {"cut", "Cut", C::Cut, true},
    {"copy", "Copy", C::Copy, true},
    {"paste", "Paste", C::Paste, true},
    {nullptr, "", C::None, true},
    {"undo", "Undo", C::Undo, true},
    {"redo", "Redo", C::Redo, true},
    {"refresh", "Force refresh highlightning", C::ForceRefresh, true},
    {nullptr, "", C::None, true},
    {"properties", "properties", C::None, false},
    {"help", "Help", C::Help, false},
    {nullptr, "", C::None, true},
    {"compile", "Compile", C::Compile, true},
    {"compilerun", "Compile and run", C::CompileAndRun, true},
    {nullptr, "", C::None, true},
    {"gfx", "Graphics Editor", C::GfxEditor, true},
});

// Keys every desktop editor has, bound in the main window without an item
// of their own in the menus.
constexpr auto kWindowKeys = std::to_array<MenuLine>({
    keyed(0, "Go to line", C::GoToLine, "Ctrl+G"),
});

}  // namespace

std::span<const MenuLine> windowKeyLines() { return kWindowKeys; }
std::span<const MenuLine> menuBarLines() { return kMenuBar; }
std::span<const MenuLine> binaryPropertiesPopupLines() { return kBinaryPropertiesPopup; }
std::span<const MenuLine> binaryListPopupLines() { return kBinaryListPopup; }
std::span<const MenuLine> bookmarkPopupLines() { return kBookmarkPopup; }
std::span<const ToolButton> toolbarButtons() { return kToolbar; }

const MenuLine* menuLine(Command command) {
    for (const MenuLine& line : kMenuBar)
        if (line.kind == K::Item && line.command == command) return &line;
    return nullptr;
}

}  // namespace quillo
