#pragma once
// Every key of the settings file with its built-in default, in the order the
// file is written. I(key, default) is an integer (colours are 0x00BBGGRR),
// S(key, default) a string. Settings, its reader and its writer walk this list.

#define QUILLO_EDITOR_SETTINGS(I, S)                                                        \
    I(Quillo_WinWidth, 790) I(Quillo_WinHeight, 550) I(IndentGuides, 0) I(Whitespace, 0)      \
    I(ContrChars, 0) I(WordWrap, 0) I(SidebarExplorer, 700) I(OutputSplitter, 650)            \
    I(BraceHighlight, 0) I(BraceHLColourBG, 0x00FFFF) I(BraceHLColourFG, 0x000000)            \
    I(DefaultBG, 0x000000) I(DefaultFG, 0xFFFFFF) I(DefaultBold, 0) I(Zoom, 0)                \
    I(EditLineBG, 0x400000) I(EditLineFG, 0xFFFFFF) I(EditBold, 0)                            \
    I(TypesBG, 0x800000) I(TypesFG, 0xFFFFFF) I(TypesBold, 0)                                 \
    I(SidebarBG, 0x400000) I(SidebarFG, 0x00FFFF)                                             \
    I(NumbBG, 0x000000) I(NumbFG, 0x40FF00) I(NumbBold, 0)                                    \
    I(StrBG, 0xA00000) I(StrFG, 0xFFFFFF) I(StrBold, 0)                                       \
    I(AsmCBG, 0x000000) I(AsmCFG, 0x00FFFF) I(AsmCBold, 1)                                    \
    I(ComBG, 0xA0A000) I(ComFG, 0x0000FF) I(ComBold, 0)                                       \
    I(MathBG, 0x000000) I(MathFG, 0xFF00FF) I(MathBold, 0)                                    \
    I(BasBG, 0x000000) I(BasFG, 0x00A000) I(BasBold, 1)                                       \
    I(PtrLabBG, 0x000000) I(PtrLabFG, 0x00FF00) I(PtrLabBold, 0)                              \
    I(DefaultItalic, 0) I(EditItalic, 0) I(TypesItalic, 0) I(NumbItalic, 0) I(StrItalic, 0)   \
    I(AsmCItalic, 0) I(ComItalic, 0) I(MathItalic, 0) I(basItalic, 0) I(PtrLabItalic, 0)      \
    I(CplrBG, 0x000000) I(CplrFG, 0x80FF80) I(CplrBold, 0) I(CplrItalic, 0)                   \
    I(FunctionBG, 0x000000) I(FunctionFG, 0x80FF00) I(FunctionBold, 0) I(FunctionItalic, 0)   \
    I(LineNrBG, 0xFF8080) I(LineNrFG, 0x000000) I(LineNrBold, 1) I(LineNrItalic, 0)           \
    I(BraceHghltd, 0) I(FoldingStyle, 0)                                                      \
    I(ExtBG, 0x000000) I(ExtFG, 0xFFFFFF) I(ExtBold, 0) I(ExtItalic, 0) S(ExtSide, "Courier New") \
    I(BookmDefBG, 0x000000) I(BookmDefFG, 0xFFFFFF) I(BookmSubBG, 0xFF0000)                   \
    I(BookmSubFG, 0x00FFFF) I(BookmFnRBG, 0x00FF00) I(BookmFnRFG, 0x000000)                   \
    I(BookmFnnBG, 0x0000FF) I(BookmFnnFG, 0x000000)                                           \
    I(AnnotEBG, 0x0000FF) I(AnnotEFG, 0xFFFFFF) I(AnnotEBold, 0) I(AnnotEItalic, 1)           \
    S(AnnotEFont, "Courier New")                                                              \
    I(AnnotWBG, 0x00FF00) I(AnnotWFG, 0x000000) I(AnnotWBold, 0) I(AnnotWItalic, 1)           \
    S(AnnotWFont, "Courier New")                                                              \
    S(FontSide, "Courier New") S(FontDefault, "Courier New") S(FontEdit, "Courier New")       \
    S(FontTypes, "Courier New") S(FontComment, "Courier New") S(FontNumb, "Courier New")      \
    S(FontBas, "Courier New") S(FontStr, "Courier New") S(FontMath, "Courier New")            \
    S(FontAsmC, "Courier New") S(FontPtrLab, "Courier New") S(FontCplr, "Courier New")        \
    S(FontFunction, "Courier New") S(FontLinenr, "Courier New")                               \
    I(OFoldBG, 0xFFFF00) I(OFoldFG, 0xFFFFFF) I(CFoldBG, 0xFF0000) I(CFoldFG, 0xFFFFFF)       \
    I(FoldLines, 0) I(CaretLine, 0) I(EditBGCol, 0x000000) I(EditFGCol, 0xEEEEEE)             \
    I(FoldBGCol, 0x300000) I(FoldFGCol, 0x300000) I(StatusBGCol, 0xDDDDDD)                    \
    I(ErrMark, 1) I(ErrFGCol, 0x0000FF) I(ErrBGCol, 0x000000)                                 \
    I(WarnMark, 9) I(WarnFGCol, 0x0000FF) I(WarnBGCol, 0xFF0000)                              \
    I(BookMark, 5) I(BookFGCol, 0x0000FF) I(BookBGCol, 0xFF0000)                              \
    S(LastDir, "") I(Used_Compiler, 0)                                                        \
    S(CompilerZXB, "") S(CompilerZXB2, "") S(CompilerZ88DK, "") S(CompilerCCZ80, "")          \
    S(REM_String, "'")                                                                        \
    S(Emulator, "") S(Emulator1, "") S(Emulator2, "") S(Emulator3, "") S(Emulator4, "")       \
    I(Autocomplete, 1) S(Exomizer, "") S(MegaLZ, "") S(ApLib, "")                             \
    I(IDEMaximized, 0) I(Tab_Width, 2) S(Suffix, "qlo") I(Error_Annotations, 1)

#define QUILLO_PAINTER_SETTINGS(I, S) I(WindowWidth, 794) I(WindowHeight, 550)
