#include "editor/help_lines.h"

#include "editor/keyword_help.h"
#include "editor/routine_scan.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

const std::vector<SubFunctionEntry> kNoRoutines;

std::string help(std::string_view word, std::string_view previous = "", std::string_view next = "") {
    return helpLineText(word, previous, next, kNoRoutines);
}

TEST(HelpLineTableTest, EveryKeyInTableOrderWithText) {
    const std::string_view keys =
        "EXX DEFB DEFW DEFS DEFM ORG ABS ACS AND ALIGN ALLOCATE ASM AS ASC ASN AT ATN ATTR BAND BEEP BIN BNOT "
        "BORDER BOLD BOR BRIGHT BXOR BYREF BYVAL CAST CHR CIRCLE CLS CODE CONST CONTINUE COS CSRLIN DEALLOCATE "
        "DECLARE DEFINE DIM DO DRAW ELSE ELSEIF END ENDIF EXIT EXP FASTCALL FLASH FOR FUNCTION GETKEY "
        "GETKEYSCANCODE GOTO GOSUB HEX HEX16 IF IFDEF IN INCBIN INCLUDE INK INKEY INPUT INSTR INT INVERSE ITALIC "
        "LBOUND LCASE LCASE2 LEFT LEN LET LINE LN LOAD LOOP MEMCOPY MID MOD MULTIKEYS NEXT NOT ONCE OR OUT OVER "
        "PAPER PAUSE PEEK PI PLOT POINT POKE POS PRINT PRINT42 PRINT64 PRAGMA PRINTAT42 PRINTAT64 RANDOMIZE "
        "REALLOCATE REM REQUIRE RETURN RIGHT RND SAVE SCREEN SCROLLLEFT SCROLLRIGHT SETATTR SGN SHL SHR SIN "
        "SPFILL SQR STDCALL STEP STOP STR STRPOS SUB TAN THEN TO UBOUND UCASE UCASE2 UNTIL USR VAL WEND WHILE "
        "XOR BYTE UBYTE FIXED INTEGER STRING UINTEGER LONG ULONG";
    std::string joined;
    for (const HelpLineEntry& e : helpLineTable()) {
        if (!joined.empty()) joined += ' ';
        joined += e.key;
        // Only the neighbour-only entries have no text of their own.
        if (e.key != "CONTINUE" && e.key != "EXIT") {
            EXPECT_FALSE(e.defaultText.empty()) << e.key;
        }
        EXPECT_EQ(e.defaultText.find('\n'), std::string_view::npos) << e.key;
    }
    EXPECT_EQ(joined, keys);
}

TEST(HelpLineTableTest, QuotedTexts) {
    EXPECT_EQ(help("EXX"), "EXX - ASM-Exchanges registers with shadow registers (Tacts: xx, Bytes used: x)");
    EXPECT_EQ(help("ORG"), "ORG address - Sets start address of following code");
    EXPECT_EQ(help("TO"), "FOR variable=start TO end [STEP value]: limited loops closed with NEXT variable.");
    EXPECT_EQ(help("CODE"), "CODE - ");
    EXPECT_EQ(help("ULONG"), "ULONG - Unsigned Dinteger (0-4,294,967,295)");
    EXPECT_EQ(help("REM"), "REM - anything following REM or ' will be ignored by the compiler");
    EXPECT_EQ(help("print"), "");  // keys are upper case
}

TEST(HelpLineTableTest, NeighbourVariants) {
    EXPECT_EQ(help("SUB", "END"), "END SUB - Ends a SUB block");
    EXPECT_EQ(help("END", "", "SUB"), "END SUB - Ends a SUB block");
    EXPECT_EQ(help("SUB"), "SUB name([variable [AS type]],[...]) - Subroutine, without returning anything");
    EXPECT_EQ(help("END"), "END - Stops the program execution");
    EXPECT_EQ(help("END", "", "ASM"), "END ASM - Ends a Inline assembler block");
    EXPECT_EQ(help("ASM", "END"), "END ASM - Ends a Inline assembler block");
    EXPECT_EQ(help("END", "", "IF"), "END IF - Ends a IF...THEN Block");
    EXPECT_EQ(help("IF", "END"), "END IF - Ends a IF...THEN Block");
    EXPECT_EQ(help("WHILE", "END"), "END WHILE - Ends a WHILE, same as WEND");
    EXPECT_EQ(help("WHILE", "EXIT"), "EXIT WHILE - Exits a WHILE ... WEND loop");
    EXPECT_EQ(help("DO", "EXIT"), "EXIT DO - Exits the current DO loop");
    EXPECT_EQ(help("EXIT", "", "DO"), "EXIT DO - Exits a DO loop");
    EXPECT_EQ(help("FOR", "EXIT"), "EXIT FOR - Exits a FOR ... TO ... NEXT loop");
    EXPECT_EQ(help("FOR", "CONTINUE"), help("CONTINUE", "", "FOR"));
    EXPECT_EQ(help("CONTINUE", "", "DO").substr(0, 14), "CONTINUE DO - ");
    EXPECT_EQ(help("FUNCTION", "END"), "END FUNCTION - Ends a function block (RETURN returns the variable or value)");
    EXPECT_EQ(help("CONTINUE"), "");
    EXPECT_EQ(help("EXIT", "", "SUB"), "");
}

TEST(HelpLineTableTest, RoutinesAnswerWhenNoKeywordDoes) {
    std::vector<SubFunctionEntry> routines(2);
    routines[0].name = "DrawFrame";
    routines[0].parameters = "frames as ubyte";
    routines[1].name = "Continue";
    routines[1].parameters = "";
    EXPECT_EQ(helpLineText("DRAWFRAME", "", "", routines), "DrawFrame(frames as ubyte)");
    EXPECT_EQ(helpLineText("CONTINUE", "", "", routines), "Continue()");
    EXPECT_EQ(helpLineText("CONTINUE", "", "FOR", routines).substr(0, 13), "CONTINUE FOR ");
    EXPECT_EQ(helpLineText("", "", "", routines), "");
}

TEST(KeywordHelpTest, PagesWebAndNone) {
    EXPECT_EQ(keywordHelpTarget("bxor").target, "Help_Cmd_Bxor.html");
    EXPECT_EQ(keywordHelpTarget("abs").target, "Help_Cmd_Abs.html");
    EXPECT_EQ(keywordHelpTarget("xor").kind, KeywordHelpTarget::Kind::Page);
    EXPECT_EQ(keywordHelpTarget("uinteger").target, "Help_Cmd_VarTypes.html");
    EXPECT_EQ(keywordHelpTarget("declare").kind, KeywordHelpTarget::Kind::Web);
    EXPECT_EQ(keywordHelpTarget("function").target.rfind("https://", 0), 0u);
    EXPECT_EQ(keywordHelpTarget("print").target, "Help_Cmd_Print.html");
    EXPECT_EQ(keywordHelpTarget("scores").kind, KeywordHelpTarget::Kind::None);
    EXPECT_EQ(keywordHelpTarget("BXOR").kind, KeywordHelpTarget::Kind::None);  // callers lower-case
    EXPECT_EQ(keywordHelpTarget("").kind, KeywordHelpTarget::Kind::None);
}

}  // namespace
}  // namespace quillo
