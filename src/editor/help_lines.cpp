#include "editor/help_lines.h"

#include "editor/routine_scan.h"
#include "editor/word_table.h"

namespace quillo {

namespace {

using N = HelpLineVariant::Neighbour;

constexpr std::string_view kEndAsm = "END ASM - Ends a Inline assembler block";
constexpr std::string_view kContinueDo =
    "CONTINUE DO - Restarts the current loop at the initial control statement immediately, as though the "
    "CONTINUE was an end of loop";
constexpr std::string_view kContinueFor =
    "CONTINUE FOR - Restarts the current loop at the initial control statement immediately, as though the "
    "CONTINUE was an end of loop";
constexpr std::string_view kContinueWhile =
    "CONTINUE WHILE - Restarts the current loop at the initial control statement immediately, as though the "
    "CONTINUE was an end of loop";
constexpr std::string_view kEndFunction = "END FUNCTION - Ends a function block (RETURN returns the variable or value)";
constexpr std::string_view kEndIf = "END IF - Ends a IF...THEN Block";
constexpr std::string_view kEndSub = "END SUB - Ends a SUB block";
constexpr std::string_view kEndWhile = "END WHILE - Ends a WHILE, same as WEND";
constexpr std::string_view kExitDo = "EXIT DO - Exits a DO loop";
constexpr std::string_view kExitFor = "EXIT FOR - Exits a FOR ... TO ... NEXT loop";
constexpr std::string_view kExitWhile = "EXIT WHILE - Exits a WHILE ... WEND loop";

std::vector<HelpLineEntry> buildTable() {
    return {
        {"EXX", "EXX - ASM-Exchanges registers with shadow registers (Tacts: xx, Bytes used: x)", {}},
        {"DEFB", "DEFB Byte [,Byte...] - Inserts 8 Bit byte or bytes separated by comas at actual position", {}},
        {"DEFW", "DEFW Word [,Word...] - Inserts 16 Bit words (low byte first) separated by comas at actual position", {}},
        {"DEFS", "DEFS count [,value] - Reserves count bytes at actual position, filled with value (default 0)", {}},
        {"DEFM", "DEFM \"text\" - Inserts the bytes of a text at actual position", {}},
        {"ORG", "ORG address - Sets start address of following code", {}},
        {"ABS", "ABS(number) - Function, returns the absolute (positive) value of a number", {}},
        {"ACS", "ACS(number) - Function, returns the arc cosine of a number in radians", {}},
        {"AND", "expression AND expression - logical AND, true when both expressions are true", {}},
        {"ALIGN", "ALIGN n - ASM directive, fills with zeros up to the next address divisible by n", {}},
        {"ALLOCATE", "ALLOCATE(size) - Function, reserves size bytes of heap memory and returns its address (0 if there is no room)", {}},
        {"ASM", "ASM - starts the direct (inline) interpretation of Assembly code, which ends by END ASM",
         {{N::Previous, "END", kEndAsm}}},
        {"AS", "AS type - gives the type of a variable, parameter or function result (Eg. DIM a AS UBYTE)", {}},
        {"ASC", "ASC(Char) - returns the ASCII Code of a char. External Function, part of the asc.bas Library which must be included with #include once <asc.bas>", {}},
        {"ASN", "ASN(number) - Function, returns the arc sine of a number in radians", {}},
        {"AT", "AT y,x - position modifier for Print, changes the current cursor position to x,y", {}},
        {"ATN", "ATN(number) - Function, returns the arc tangent of a number in radians", {}},
        {"ATTR", "ATTR(y,x) - Function, returns the attribute byte of the character cell at row y, column x. External Function, part of the attr.bas Library", {}},
        {"BAND", "value BAND value - bitwise AND of two integer values", {}},
        {"BEEP", "BEEP duration,pitch - Emmits a sound using the speaker", {}},
        {"BIN", "BIN 01010101 - binary number literal (also written %01010101)", {}},
        {"BNOT", "BNOT value - bitwise NOT, inverts every bit of an integer value", {}},
        {"BORDER", "BORDER colour - sets the border colour (0-7)", {}},
        {"BOLD", "BOLD value - bold print modifier [0 off, 1 on, 8 for not changing]", {}},
        {"BOR", "value BOR value - bitwise OR of two integer values", {}},
        {"BRIGHT", "BRIGHT value - brightness modifier [0 off, 1 on, 8 for not changing]", {}},
        {"BXOR", "value BXOR value - bitwise exclusive OR of two integer values", {}},
        {"BYREF", "BYREF variable [AS type] - parameter passed by reference, the routine can change the caller's variable", {}},
        {"BYVAL", "BYVAL variable [AS type] - parameter passed by value (the default), the routine works on a copy", {}},
        {"CAST", "CAST(type,value) - Function, converts a value to the given type (Eg. CAST(UINTEGER,a))", {}},
        {"CHR", "CHR(code [,code...]) / CHR$ - Function, returns the characters of the given ASCII codes as a string", {}},
        {"CIRCLE", "CIRCLE x,y,radius - draws a circle around x,y", {}},
        {"CLS", "CLS - clears the screen with the current paper colour", {}},
        {"CODE", "CODE - ", {}},
        {"CONST", "CONST name [AS type] = value - defines a named constant", {}},
        {"CONTINUE", "",
         {{N::Next, "DO", kContinueDo}, {N::Next, "FOR", kContinueFor}, {N::Next, "WHILE", kContinueWhile}}},
        {"COS", "COS(angle) - Function, returns the cosine of an angle in radians", {}},
        {"CSRLIN", "CSRLIN() - Function, returns the row of the print position. External Function, part of the csrlin.bas Library", {}},
        {"DEALLOCATE", "DEALLOCATE address - frees heap memory reserved with ALLOCATE", {}},
        {"DECLARE", "DECLARE FUNCTION/SUB name(parameters) [AS type] - announces a routine defined later in the source", {}},
        {"DEFINE", "#DEFINE name [value] - defines a preprocessor macro", {}},
        {"DIM", "DIM name[(bounds)] [AS type] [= value] - declares a variable or an array", {}},
        {"DO", "DO - DO:LOOP /DO:UNTIL expression / repeats encapsulated code forever or untol condition is meet",
         {{N::Previous, "CONTINUE", kContinueDo}, {N::Previous, "EXIT", "EXIT DO - Exits the current DO loop"}}},
        {"DRAW", "DRAW x,y [,angle] - draws a line (or an arc) from the last plotted point, relative by x,y", {}},
        {"ELSE", "ELSE - starts the statements of an IF block run when no condition was true", {}},
        {"ELSEIF", "ELSEIF expression THEN - further condition of an IF block", {}},
        {"END", "END - Stops the program execution",
         {{N::Next, "ASM", kEndAsm},
          {N::Next, "FUNCTION", kEndFunction},
          {N::Next, "IF", kEndIf},
          {N::Next, "SUB", kEndSub},
          {N::Next, "WHILE", kEndWhile}}},
        {"ENDIF", "ENDIF - Ends a IF...THEN Block, same as END IF", {}},
        {"EXIT", "", {{N::Next, "DO", kExitDo}, {N::Next, "FOR", kExitFor}, {N::Next, "WHILE", kExitWhile}}},
        {"EXP", "EXP(number) - Function, returns e raised to the power of the number", {}},
        {"FASTCALL", "SUB/FUNCTION FASTCALL name(parameter) - the first parameter is passed in registers (A, HL or DEHL) instead of the stack", {}},
        {"FLASH", "FLASH value - flash modifier [0 off, 1 on, 8 for not changing]", {}},
        {"FOR", "FOR - FOR ... TO ... [STEP] ... NEXT loop construct",
         {{N::Previous, "CONTINUE", kContinueFor}, {N::Previous, "EXIT", kExitFor}}},
        {"FUNCTION", "FUNCTION Name(variable [AS type][,variable [AS type]][,...] [AS type] - defines a Function",
         {{N::Previous, "END", kEndFunction}}},
        {"GETKEY", "GETKEY() - Function, waits for a key press and returns its code. External Function, part of the keys.bas Library", {}},
        {"GETKEYSCANCODE", "GETKEYSCANCODE() - Function, returns the scan code of the key pressed (0 if none). External Function, part of the keys.bas Library", {}},
        {"GOTO", "GOTO label - continues the program at a label or line number", {}},
        {"GOSUB", "GOSUB label - calls the code at a label or line number, which returns with RETURN", {}},
        {"HEX", "HEX(value) - Function, returns a 32 bit value as a string of 8 hexadecimal digits. External Function, part of the hex.bas Library", {}},
        {"HEX16", "HEX16(value) - Function, returns a 16 bit value as a string of 4 hexadecimal digits. External Function, part of the hex.bas Library", {}},
        {"IF", "IF expression THEN - branching construct consists of IF ... THEN ... [ELSEIF ... THEN ...] [ELSE ...] ending with END IF",
         {{N::Previous, "END", kEndIf}}},
        {"IFDEF", "#IFDEF name - compiles the following lines only if the macro is defined, up to #ENDIF", {}},
        {"IN", "IN(port) - Function, reads a byte from an I/O port", {}},
        {"INCBIN", "INCBIN \"file\" - ASM directive, inserts the bytes of a binary file at actual position", {}},
        {"INCLUDE", "#INCLUDE [ONCE] <file> / \"file\" - inserts another source file at this position", {}},
        {"INK", "INK value - foreground colour modifier [0-7 for colours, 8 for not changing Attribute, 9 for contrast]", {}},
        {"INKEY", "INKEY / INKEY$ - Function, returns the key pressed as a string (empty if none), does not wait", {}},
        {"INPUT", "INPUT(length) - Function, reads a text typed on the keyboard of up to length characters. External Function, part of the input.bas Library", {}},
        {"INSTR", "INSTR(text,search) - Function, returns the position of a string in another. External Function", {}},
        {"INT", "INT(number) - Function, rounds a number down to an integer", {}},
        {"INVERSE", "INVERSE value - inverse print modifier, swaps ink and paper [0 off, 1 on, 8 for not changing]", {}},
        {"ITALIC", "ITALIC value - italic print modifier [0 off, 1 on, 8 for not changing]", {}},
        {"LBOUND", "LBOUND(array,dimension) - Function, returns the lower bound of an array dimension", {}},
        {"LCASE", "LCASE(text) - Function, returns the text in lower case. External Function, part of the lcase.bas Library", {}},
        {"LCASE2", "LCASE2(text) - converts the text to lower case in place. External Function, part of the lcase.bas Library", {}},
        {"LEFT", "LEFT(text,n) - Function, returns the first n characters of a text. External Function", {}},
        {"LEN", "LEN(text) - Function, returns the number of characters of a string", {}},
        {"LET", "LET variable = expression - assigns a value (LET may be left out)", {}},
        {"LINE", "#LINE number - sets the line number the compiler reports for the following line", {}},
        {"LN", "LN(number) - Function, returns the natural logarithm of a number", {}},
        {"LOAD", "LOAD \"name\" [CODE address[,length]|SCREEN$|DATA] - loads a file from tape", {}},
        {"LOOP", "LOOP [UNTIL|WHILE expression] - closes a DO loop", {}},
        {"MEMCOPY", "MEMCOPY(source,destination,length) - copies a block of memory. External Function, part of the memcopy.bas Library", {}},
        {"MID", "MID(text,start,length) / MID$ - Function, returns part of a text. External Function", {}},
        {"MOD", "value MOD value - remainder of an integer division", {}},
        {"MULTIKEYS", "MULTIKEYS(scancode) - Function, tells whether the key of the scan code is pressed. External Function, part of the keys.bas Library", {}},
        {"NEXT", "NEXT [variable] - closes a FOR loop", {}},
        {"NOT", "NOT expression - logical negation, true when the expression is false", {}},
        {"ONCE", "#INCLUDE ONCE <file> - inserts a file only if it was not included before", {}},
        {"OR", "expression OR expression - logical OR, true when at least one expression is true", {}},
        {"OUT", "OUT port,value - writes a byte to an I/O port", {}},
        {"OVER", "OVER value - print modifier, 1 combines the new pixels with the old ones by XOR [0 off, 1 on, 8 for not changing]", {}},
        {"PAPER", "PAPER value - background colour modifier [0-7 for colours, 8 for not changing Attribute, 9 keeping BRIGHT only]", {}},
        {"PAUSE", "PAUSE frames - waits the given number of frames (50 a second) or until a key is pressed, 0 waits for a key", {}},
        {"PEEK", "PEEK address / PEEK (Type,address) - Function, returns the number from memory location at address (Eg. PEEK (UINTEGER 16384))", {}},
        {"PI", "PI - the constant 3.14159265...", {}},
        {"PLOT", "PLOT x,y - sets the pixel at x,y and makes it the last plotted point", {}},
        {"POINT", "POINT(x,y) - Function, returns 1 if the pixel at x,y is set. External Function, part of the point.bas Library", {}},
        {"POKE", "POKE [Type] address,value - writes a value to memory location at address (Eg. POKE UINTEGER 23675,60000)", {}},
        {"POS", "POS() - Function, returns the column of the print position. External Function, part of the pos.bas Library", {}},
        {"PRINT", "PRINT [modifiers;] expression [;|,] ... - prints texts and numbers at the print position", {}},
        {"PRINT42", "PRINT42(text) - prints a text with 42 characters per line. External Function, part of the print42.bas Library", {}},
        {"PRINT64", "PRINT64(text) - prints a text with 64 characters per line. External Function, part of the print64.bas Library", {}},
        {"PRAGMA", "#PRAGMA option = value - sets a compiler option inside the source", {}},
        {"PRINTAT42", "PRINTAT42(y,x) - sets the print position of PRINT42. External Function, part of the print42.bas Library", {}},
        {"PRINTAT64", "PRINTAT64(y,x) - sets the print position of PRINT64. External Function, part of the print64.bas Library", {}},
        {"RANDOMIZE", "RANDOMIZE [seed] - sets the seed of the random numbers of RND (from the frame counter if none)", {}},
        {"REALLOCATE", "REALLOCATE(address,size) - Function, changes the size of a heap block and returns its new address", {}},
        {"REM", "REM - anything following REM or ' will be ignored by the compiler", {}},
        {"REQUIRE", "#REQUIRE \"file\" - makes the compiler include a runtime library file", {}},
        {"RETURN", "RETURN [value] - returns from a GOSUB, a SUB or (with the value) a FUNCTION", {}},
        {"RIGHT", "RIGHT(text,n) - Function, returns the last n characters of a text. External Function", {}},
        {"RND", "RND - Function, returns a random number from 0 up to but not including 1", {}},
        {"SAVE", "SAVE \"name\" [CODE address,length|SCREEN$|DATA] - saves to tape", {}},
        {"SCREEN", "SCREEN(y,x) / SCREEN$ - Function, returns the character at row y, column x. External Function, part of the screen.bas Library", {}},
        {"SCROLLLEFT", "SCROLLLEFT(x1,y1,x2,y2) - scrolls a screen area one pixel left. External Function, part of the scroll.bas Library", {}},
        {"SCROLLRIGHT", "SCROLLRIGHT(x1,y1,x2,y2) - scrolls a screen area one pixel right. External Function, part of the scroll.bas Library", {}},
        {"SETATTR", "SETATTR(y,x,attribute) - sets the attribute byte of the character cell at row y, column x. External Function, part of the attr.bas Library", {}},
        {"SGN", "SGN(number) - Function, returns -1, 0 or 1 for a negative, zero or positive number", {}},
        {"SHL", "value SHL bits - shifts an integer value left by the number of bits", {}},
        {"SHR", "value SHR bits - shifts an integer value right by the number of bits", {}},
        {"SIN", "SIN(angle) - Function, returns the sine of an angle in radians", {}},
        {"SPFILL", "SPFILL(x,y,pattern) - fills the area around x,y. External Function, part of the SP/Fill.bas Library", {}},
        {"SQR", "SQR(number) - Function, returns the square root of a number", {}},
        {"STDCALL", "SUB/FUNCTION STDCALL name(parameters) - parameters are passed on the stack (the default)", {}},
        {"STEP", "FOR variable=start TO end STEP value - the amount added to the loop variable on each pass", {}},
        {"STOP", "STOP - Stops the program execution and returns to BASIC", {}},
        {"STR", "STR(number) / STR$ - Function, returns a number as a string", {}},
        {"STRPOS", "STRPOS(text,search) - Function, returns the position of a string in another. External Function", {}},
        {"SUB", "SUB name([variable [AS type]],[...]) - Subroutine, without returning anything",
         {{N::Previous, "END", kEndSub}}},
        {"TAN", "TAN(angle) - Function, returns the tangent of an angle in radians", {}},
        {"THEN", "IF expression THEN - the statements after THEN run when the condition is true", {}},
        {"TO", "FOR variable=start TO end [STEP value]: limited loops closed with NEXT variable.", {}},
        {"UBOUND", "UBOUND(array,dimension) - Function, returns the upper bound of an array dimension", {}},
        {"UCASE", "UCASE(text) - Function, returns the text in upper case. External Function, part of the ucase.bas Library", {}},
        {"UCASE2", "UCASE2(text) - converts the text to upper case in place. External Function, part of the ucase.bas Library", {}},
        {"UNTIL", "LOOP UNTIL expression / DO UNTIL expression - repeats the loop until the condition is true", {}},
        {"USR", "USR address - Function, calls machine code at the address and returns the BC register", {}},
        {"VAL", "VAL(text) - Function, returns the number written in a string", {}},
        {"WEND", "WEND - closes a WHILE loop, same as END WHILE", {}},
        {"WHILE", "WHILE expression - A compound statement used to perform loops, closed with END WHILE or WEND.",
         {{N::Previous, "CONTINUE", kContinueWhile}, {N::Previous, "EXIT", kExitWhile}, {N::Previous, "END", kEndWhile}}},
        {"XOR", "expression XOR expression - logical exclusive OR, true when exactly one expression is true", {}},
        {"BYTE", "BYTE - Signed 8 Bit integer (-128 to 127)", {}},
        {"UBYTE", "UBYTE - Unsigned 8 Bit integer (0-255)", {}},
        {"FIXED", "FIXED - 32 Bit fixed point number (-32767.9999 to 32767.9999)", {}},
        {"INTEGER", "INTEGER - Signed 16 Bit integer (-32,768 to 32,767)", {}},
        {"STRING", "STRING - text of up to 65,535 characters", {}},
        {"UINTEGER", "UINTEGER - Unsigned 16 Bit integer (0-65,535)", {}},
        {"LONG", "LONG - Signed 32 Bit integer (-2,147,483,648 to 2,147,483,647)", {}},
        {"ULONG", "ULONG - Unsigned Dinteger (0-4,294,967,295)", {}},
    };
}

}  // namespace

const std::vector<HelpLineEntry>& helpLineTable() {
    static const std::vector<HelpLineEntry> table = buildTable();
    return table;
}

std::string helpLineText(std::string_view word, std::string_view previous, std::string_view next,
                         const std::vector<SubFunctionEntry>& routines) {
    std::string_view text;
    for (const HelpLineEntry& entry : helpLineTable()) {
        if (entry.key != word) continue;
        text = entry.defaultText;
        for (const HelpLineVariant& v : entry.variants)
            if ((v.neighbour == N::Previous ? previous : next) == v.word) text = v.text;
        break;
    }
    if (!text.empty()) return std::string(text);
    if (word.empty()) return {};
    for (const SubFunctionEntry& routine : routines)
        if (equalsNoCase(routine.name, word)) return routine.name + "(" + routine.parameters + ")";
    return {};
}

}  // namespace quillo
