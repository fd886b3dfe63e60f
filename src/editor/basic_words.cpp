#include "editor/basic_words.h"

#include "editor/word_table.h"

namespace quillo {

using namespace word_option;
using namespace basic_style;

void registerBasicWords(WordTable& s) {
    s.registerWords(
        "And Align As Asm At Band Beep Bnot Bold Bor Border Bright Bxor ByRef ByVal Cast Circle Cls Code "
        "Continue Declare Dim Do Draw Else Elseif End Endif Exit Fastcall Flash For Function Gosub Goto If Ink "
        "Inverse Italic Let Load Loop Next Not Or Out Over Paper Pause Pi Plot Poke Print Randomize Return Save "
        "Screen Stdcall Step Stop Sub Then To Until Wend While",
        Keyword, Completion);
    s.registerWords("{ {_", Operator, FoldOpen);
    s.registerWords("} }_", Operator, FoldClose);
    s.registerWords(
        "Abs Asn Atn Chr Cos Exp In Inkey Int Lbound Len Ln Mod Peek Rnd Sgn Shl Shr Sin Sqr Str Tan Ubound Usr "
        "Val Xor",
        Function, Completion);
    s.registerWords("org db defb defw defs defm dw equ", Assembler, 0);
    s.registerWords("Const Define Ifdef Include Line Once Pragma Require", Directive, Completion);
    s.registerWords(
        "Allocate Asc Attr Csrlin Deallocate GetKey GetKeyScanCode Hex Hex16 Input InStr Lcase Lcase2 Left "
        "Memcopy Mid Multikeys Point Pos Printat42 Reallocate Right Screen Scrollleft Scrollright SPFill StrPos "
        "StrPos2 Ucase Ucase2",
        Library, Completion);
    s.registerWords("Byte Fixed Float Integer Long String Ubyte Uinteger Ulong", DataType, Completion);
    s.registerWords("= + - * / . ( ) < > & | ~ % [ ]", Operator, 0);
    s.registerWords(", : ;", Separator, 0);

    s.registerDelimiter("\"", "\"", DelimitBetween, String);
    s.registerDelimiter("#", "", PrefixAny, Directive);
    s.registerDelimiter("@", "", PrefixAdjacent, Label);
    s.registerDelimiter("$", "", PrefixAdjacent, Number);
    s.registerDelimiter("%", "", PrefixAdjacent, Number);
    s.registerDelimiter("(", "", MarkCallBlank, Function);
    s.registerDelimiter(")", "", 0, Function);

    s.registerWords("Rem", Comment, Completion);
    s.registerDelimiter("'", "", DelimitToLineEnd, Comment);
}

}  // namespace quillo
