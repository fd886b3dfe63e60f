#pragma once

namespace quillo {

// Every command the menus, popups, shortcuts and toolbar can send.
enum class Command {
    None,
    // Project
    New, CloseProject, Open, Save, SaveAs, ImportTornado, ImportBinary, AddInclude, MoveLeft, MoveRight,
    Clear, Printout, FinalSettings, QuilloSettings, Quit,
    // Edit
    Undo, Redo, FindReplace, Cut, Copy, Paste, AutoRem, AutoUnrem, FindSub, FoldAll, UnfoldAll,
    ConvDecimal, ConvHexadecimal, ConvBinary, ConvGraphics, ConvNegative8, UpperCase, LowerCase, TextToBytes,
    ReorderGraphics, DefbNegative, MegaLzPack, MegaLzUnpack, AplibPack, ExomizerPack,
    Zx0Pack, Zx0PackBackwards, Zx0Unpack,
    // View
    MemoryMap, ForceRefresh, ZoomIn, ZoomOut, ZoomReset,
    // Tools
    KeyboardHelper, AsciiTable, FontEditor, BinaryManager, CodeLibrary, GfxEditor, Calculator,
    CreateDefbBuffer, BeepCalculator,
    // Compiler
    Compile, Run, CompileAndRun, StopBuild, UsePrimaryCompiler, UseSecondaryCompiler,
    // Help
    Help, SystemVariables, IncludeLibHelper, About, ZxbcVersion, DisplayInfo,
    // Popup menus
    BinaryProperties, BinaryAddFile, BinaryInterrupts, BinaryRemove, BinaryEditProperties,
    BinaryPackMegaLz, BinaryPackAplib, BinaryPackExomizer, BinaryPackZx0,
    BookmarkAdd, BookmarkRemove, BookmarkRemoveAll, BookmarkNext, BookmarkPrevious,
    // Keys without a menu item
    GoToLine,
};

}  // namespace quillo
