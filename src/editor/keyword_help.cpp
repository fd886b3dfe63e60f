#include "editor/keyword_help.h"

#include "editor/word_table.h"

#include <algorithm>
#include <array>

namespace quillo {

namespace {

// Pages that several words share.
constexpr std::string_view kAsm = "Help_Cmd_Asm.html";
constexpr std::string_view kContinue = "Help_Cmd_Continue.html";
constexpr std::string_view kDo = "Help_Cmd_Do.html";
constexpr std::string_view kExit = "Help_Cmd_Exit.html";
constexpr std::string_view kFor = "Help_Cmd_For.html";
constexpr std::string_view kFunction = "Help_Cmd_Function.html";
constexpr std::string_view kIf = "Help_Cmd_If.html";
constexpr std::string_view kSub = "Help_Cmd_Sub.html";
constexpr std::string_view kWhile = "Help_Cmd_While.html";
constexpr std::string_view kTypes = "Help_Cmd_VarTypes.html";
constexpr std::string_view kAlloc = "Help_Lib_Alloc.html";
constexpr std::string_view kKeys = "Help_Lib_Keys.html";
constexpr std::string_view kString = "Help_Lib_String.html";

// A word's own page is "Help_Cmd_" + the word with a capital first letter.
// Words ending in "$" use the page of the word without it (chr$ ->
// Help_Cmd_Chr.html), phrases and the words that only appear inside a
// statement use the page of their statement (end sub, then, wend, step), the
// types share one page and library routines use the page of their library.
constexpr auto kTable = std::to_array<KeywordPage>({
    // Statements
    {"align", "Help_Cmd_Align.html"}, {"asm", kAsm}, {"end asm", kAsm}, {"at", "Help_Cmd_At.html"},
    {"beep", "Help_Cmd_Beep.html"}, {"bold", "Help_Cmd_Bold.html"}, {"border", "Help_Cmd_Border.html"},
    {"bright", "Help_Cmd_Bright.html"}, {"byref", "Help_Cmd_Byref.html"}, {"byval", "Help_Cmd_Byval.html"},
    {"circle", "Help_Cmd_Circle.html"}, {"cls", "Help_Cmd_Cls.html"}, {"const", "Help_Cmd_Const.html"},
    {"continue", kContinue}, {"continue do", kContinue}, {"continue for", kContinue},
    {"continue while", kContinue}, {"declare", "Help_Cmd_Declare.html", "declare"}, {"dim", "Help_Cmd_Dim.html"},
    {"do", kDo}, {"do loop until", kDo}, {"do loop while", kDo}, {"do until", kDo}, {"do while", kDo},
    {"loop", kDo}, {"loop until", kDo}, {"loop while", kDo}, {"until", kDo}, {"draw", "Help_Cmd_Draw.html"},
    {"if", kIf}, {"then", kIf}, {"else", kIf}, {"elseif", kIf}, {"end if", kIf}, {"endif", kIf},
    {"end", "Help_Cmd_End.html"}, {"exit", kExit}, {"exit do", kExit}, {"exit for", kExit}, {"exit while", kExit},
    {"fastcall", "Help_Cmd_Fastcall.html"}, {"flash", "Help_Cmd_Flash.html"}, {"for", kFor}, {"next", kFor},
    {"step", kFor}, {"function", kFunction, "function"}, {"end function", kFunction, "function"},
    {"gosub", "Help_Cmd_Gosub.html"}, {"go sub", "Help_Cmd_Gosub.html"}, {"goto", "Help_Cmd_Goto.html"},
    {"go to", "Help_Cmd_Goto.html"}, {"incbin", "Help_Cmd_Incbin.html"}, {"ink", "Help_Cmd_Ink.html"},
    {"inverse", "Help_Cmd_Inverse.html"}, {"italic", "Help_Cmd_Italic.html"}, {"let", "Help_Cmd_Let.html"},
    {"load", "Help_Cmd_Load.html"}, {"verify", "Help_Cmd_Load.html"}, {"out", "Help_Cmd_Out.html"},
    {"over", "Help_Cmd_Over.html"}, {"paper", "Help_Cmd_Paper.html"}, {"pause", "Help_Cmd_Pause.html"},
    {"plot", "Help_Cmd_Plot.html"}, {"poke", "Help_Cmd_Poke.html"}, {"print", "Help_Cmd_Print.html"},
    {"randomize", "Help_Cmd_Randomize.html"}, {"rem", "Help_Cmd_Rem.html"}, {"return", "Help_Cmd_Return.html"},
    {"save", "Help_Cmd_Save.html"}, {"stdcall", "Help_Cmd_Stdcall.html"}, {"stop", "Help_Cmd_Stop.html"},
    {"sub", kSub}, {"end sub", kSub}, {"to", "Help_Cmd_To.html"}, {"while", kWhile}, {"end while", kWhile},
    {"wend", kWhile},
    // Functions
    {"abs", "Help_Cmd_Abs.html"}, {"acs", "Help_Cmd_Acs.html"}, {"asn", "Help_Cmd_Asn.html"},
    {"atn", "Help_Cmd_Atn.html"}, {"cast", "Help_Cmd_Cast.html"}, {"chr", "Help_Cmd_Chr.html"},
    {"chr$", "Help_Cmd_Chr.html"}, {"code", "Help_Cmd_Code.html"}, {"cos", "Help_Cmd_Cos.html"},
    {"exp", "Help_Cmd_Exp.html"}, {"in", "Help_Cmd_In.html"}, {"inkey", "Help_Cmd_Inkey.html"},
    {"inkey$", "Help_Cmd_Inkey.html"}, {"int", "Help_Cmd_Int.html"}, {"lbound", "Help_Cmd_Lbound.html"},
    {"len", "Help_Cmd_Len.html"}, {"ln", "Help_Cmd_Ln.html"}, {"peek", "Help_Cmd_Peek.html"},
    {"pi", "Help_Cmd_Pi.html"}, {"rnd", "Help_Cmd_Rnd.html"}, {"sgn", "Help_Cmd_Sgn.html"},
    {"sin", "Help_Cmd_Sin.html"}, {"sqr", "Help_Cmd_Sqr.html"}, {"str", "Help_Cmd_Str.html"},
    {"str$", "Help_Cmd_Str.html"}, {"tan", "Help_Cmd_Tan.html"}, {"ubound", "Help_Cmd_Ubound.html"},
    {"usr", "Help_Cmd_Usr.html"}, {"val", "Help_Cmd_Val.html"},
    // Operators
    {"<<", "Help_Cmd_Shl.html"}, {">>", "Help_Cmd_Shr.html"}, {"and", "Help_Cmd_And.html"},
    {"band", "Help_Cmd_Band.html"}, {"bin", "Help_Cmd_Bin.html"}, {"bnot", "Help_Cmd_Bnot.html"},
    {"bor", "Help_Cmd_Bor.html"}, {"bxor", "Help_Cmd_Bxor.html"}, {"mod", "Help_Cmd_Mod.html"},
    {"not", "Help_Cmd_Not.html"}, {"or", "Help_Cmd_Or.html"}, {"shl", "Help_Cmd_Shl.html"},
    {"shr", "Help_Cmd_Shr.html"}, {"xor", "Help_Cmd_Xor.html"},
    // Types
    {"as", "Help_Cmd_As.html"}, {"byte", kTypes}, {"fixed", kTypes}, {"float", kTypes}, {"integer", kTypes},
    {"long", kTypes}, {"string", kTypes}, {"ubyte", kTypes}, {"uinteger", kTypes}, {"ulong", kTypes},
    // Preprocessor
    {"define", "Help_Cmd_Define.html"}, {"undef", "Help_Cmd_Define.html"}, {"ifdef", "Help_Cmd_Ifdef.html"},
    {"ifndef", "Help_Cmd_Ifdef.html"}, {"include", "Help_Cmd_Include.html"}, {"line", "Help_Cmd_Line.html"},
    {"once", "Help_Cmd_Once.html"}, {"pragma", "Help_Cmd_Pragma.html"}, {"require", "Help_Cmd_Require.html"},
    // Library routines
    {"allocate", kAlloc}, {"deallocate", kAlloc}, {"reallocate", kAlloc}, {"asc", "Help_Lib_Asc.html"},
    {"attr", "Help_Lib_Attr.html"}, {"csrlin", "Help_Lib_Crslin.html"}, {"getkey", kKeys},
    {"getkeyscancode", kKeys}, {"getkeyscancodes", kKeys}, {"multikeys", kKeys}, {"hex", "Help_Lib_Hex.html"},
    {"hex16", "Help_Lib_Hex.html"}, {"input", "Help_Lib_Input.html"}, {"instr", kString}, {"lcase", kString},
    {"lcase2", kString}, {"left", kString}, {"left$", kString}, {"mid", kString}, {"mid$", kString},
    {"right", kString}, {"right$", kString}, {"strpos", kString}, {"strpos2", kString}, {"ucase2", kString},
    {"ucase", "Help_Lib_Ucase.html"}, {"memcopy", "Help_Lib_Memcopy.html"}, {"point", "Help_Lib_Point.html"},
    {"pos", "Help_Lib_Pos.html"}, {"print42", "Help_Lib_Print42.html"}, {"printat42", "Help_Lib_Print42.html"},
    {"print64", "Help_Lib_Print64.html"}, {"printat64", "Help_Lib_Print64.html"},
    {"screen", "Help_Lib_Screen.html"}, {"screen$", "Help_Lib_Screen.html"}, {"scrollleft", "Help_Lib_Scroll.html"},
    {"scrollright", "Help_Lib_Scroll.html"}, {"spfill", "Help_Lib_SPFill.html"},
});

constexpr std::string_view kOnlineDocs = "https://zxbasic.readthedocs.io/en/docs/";

const KeywordPage* findRow(std::string_view word) {
    const auto row = std::find_if(kTable.begin(), kTable.end(), [&](const KeywordPage& r) { return r.word == word; });
    return row == kTable.end() ? nullptr : &*row;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = asciiLower(c);
    return out;
}

}  // namespace

std::span<const KeywordPage> keywordPages() { return kTable; }

KeywordHelpTarget keywordHelpTarget(std::string_view word) {
    const KeywordPage* row = findRow(word);
    if (!row) return {};
    if (!row->online.empty())
        return {KeywordHelpTarget::Kind::Web, std::string(kOnlineDocs) + std::string(row->online) + "/"};
    return {KeywordHelpTarget::Kind::Page, std::string(row->page)};
}

std::string keywordLocalPage(std::string_view word) {
    const KeywordPage* row = findRow(word);
    return row ? std::string(row->page) : std::string();
}

std::string keywordHelpWord(std::string_view word, std::string_view previous, std::string_view next) {
    const std::string lower = lowered(word);
    if (lower.empty()) return lower;
    for (const std::string& phrase : {lowered(previous) + ' ' + lower, lower + ' ' + lowered(next)})
        if (findRow(phrase)) return phrase;
    return lower;
}

}  // namespace quillo
