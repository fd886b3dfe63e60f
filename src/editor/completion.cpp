#include "editor/completion.h"

#include "editor/word_table.h"

namespace quillo {

namespace {

constexpr std::string_view kVocabulary =
    "<<!>>!abs!acs!and!align!allocate!as!asm!asc!asn!at!atn!attr!band!beep!bin!bnot!bold!bold!bor!border!"
    "bright!bxor!byte!byref!byval!cast!chr!chr$!circle!cls!code!const!continue do!continue for!"
    "continue while!cos!csrlin!deallocate!declare!define!dim!do!do loop until!do loop while!do until!"
    "do while!draw!else!elseif!end!end asm!end function!end if!end sub!end while!end while!exit do!exit for!"
    "exit while!exp!fastcall!fixed!flash!float!for!function!getkey!getkeyscancodes!gosub!goto!hex!hex16!if!"
    "ifdef!in!incbin!include!ink!inkey!inkey$!input!instr!int!integer!inverse!italic!lbound!lcase!lcase2!"
    "left$!len!let!line!ln!load!long!loop!loop until!loop while!memcopy!mid$!mod!multikeys!next!not!once!or!"
    "out!over!paper!pause!peek!pi!plot!point!poke!pos!print!print42!print64!printat42!printat64!randomize!"
    "reallocate!rem!return!right$!rnd!save!screen$!scrollleft!scrollright!sgn!shl!shr!sin!spfill!sqr!"
    "stdcall!step!stop!str!str$!string!strpos!strpos2!sub!tan!then!to!ubound!ubyte!ucase!ucase2!uinteger!"
    "ulong!until!usr!val!wend!while!xor";

void appendEntry(std::string& packed, std::string_view word) {
    if (word.empty() || word.size() > 255) return;
    packed += static_cast<char>(word.size());
    packed += word;
}

}  // namespace

std::string_view completionVocabularyText() { return kVocabulary; }

std::string packCompletionWords(std::string_view text) {
    std::string packed;
    while (true) {
        const std::size_t bang = text.find('!');
        appendEntry(packed, text.substr(0, bang));
        if (bang == std::string_view::npos) break;
        text.remove_prefix(bang + 1);
    }
    packed += '\0';
    return packed;
}

CompletionVocabulary::CompletionVocabulary() : packed_(packCompletionWords(kVocabulary)) {
    fixedSize_ = packed_.size() - 1;
}

void CompletionVocabulary::setRoutineNames(const std::vector<std::string>& names) {
    packed_.resize(fixedSize_);
    for (const std::string& name : names) appendEntry(packed_, name);
    packed_ += '\0';
}

std::vector<std::string_view> CompletionVocabulary::entries() const {
    std::vector<std::string_view> result;
    std::size_t p = 0;
    while (p < packed_.size()) {
        const auto length = static_cast<unsigned char>(packed_[p]);
        if (length == 0 || p + 1 + length > packed_.size()) break;
        result.emplace_back(packed_.data() + p + 1, length);
        p += 1 + length;
    }
    return result;
}

std::string completionList(const CompletionVocabulary& vocabulary, std::string_view word) {
    std::string list;
    int count = 0;
    bool complete = false;
    for (const std::string_view entry : vocabulary.entries()) {
        if (!startsWithNoCase(entry, word)) continue;
        if (!list.empty()) list += '\'';
        list += entry;
        ++count;
        complete = entry.size() == word.size();
    }
    // A list that offers only what was typed would take the next Enter for
    // itself instead of ending the line.
    if (count == 1 && complete) return {};
    return list;
}

bool completionAllowed(std::string_view line) {
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            inString = !inString;
        } else if (!inString && (c == '\'' || startsWithNoCase(line.substr(i), "rem "))) {
            return false;
        }
    }
    return !inString;
}

}  // namespace quillo
