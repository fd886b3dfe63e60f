#include "editor/line_tokeniser.h"

#include <algorithm>

namespace quillo {

namespace {

using namespace word_option;

}  // namespace

void LineStyles::add(int length, int style) {
    if (length <= 0) return;
    if (!runs.empty() && runs.back().style == style)
        runs.back().length += length;
    else
        runs.push_back({length, style});
}

int LineStyles::length() const {
    int total = 0;
    for (const StyleRun& r : runs) total += r.length;
    return total;
}

std::vector<int> LineStyles::perByte() const {
    std::vector<int> styles;
    for (const StyleRun& r : runs) styles.insert(styles.end(), static_cast<std::size_t>(r.length), r.style);
    return styles;
}

std::size_t numberLengthAt(const WordTable& words, std::string_view line, std::size_t p) {
    std::size_t q = p;
    int digits = 0;
    int dots = 0;
    for (; q < line.size(); ++q) {
        const char c = line[q];
        if (isDigit(c)) {
            ++digits;
        } else if (c == '.') {
            if (++dots > 1) return 0;
        } else if (isBlank(c) || words.isSeparator(static_cast<unsigned char>(c))) {
            break;
        } else {
            return 0;
        }
    }
    return digits > 0 ? q - p : 0;
}

LineTokeniser::LineTokeniser(const TokeniserConfig& config, std::string_view line, int foldLevel, LineStyles& out)
    : config_(config), words_(*config.words), line_(line), foldLevel_(foldLevel), out_(out) {}

std::size_t LineTokeniser::numberLength(std::size_t p) const { return numberLengthAt(words_, line_, p); }

std::size_t LineTokeniser::contentEnd() const {
    std::size_t end = line_.size();
    while (end > 0 && isLineEnd(line_[end - 1])) --end;
    return end;
}

void LineTokeniser::put(std::size_t length, int style) {
    out_.add(static_cast<int>(length), config_.colouring ? style : kStyleDefault);
    pos_ += length;
}

void LineTokeniser::closeFold() {
    if (foldLevel_ > kFoldBase || out_.foldDelta != 0) --out_.foldDelta;
}

void LineTokeniser::foldBookkeeping(const StyleWord* word) {
    if (!word) return;
    if ((word->options & FoldOpen) || ((word->options & FoldOpenFirst) && out_.foldDelta == 0)) ++out_.foldDelta;
    if (word->options & FoldClose) closeFold();
}

void LineTokeniser::finishAs(int style) {
    const std::size_t end = std::max(contentEnd(), pos_);
    put(end - pos_, style);
    put(line_.size() - pos_, kStyleDefault);
}

LineTokeniser::Token LineTokeniser::separatorToken(std::size_t p) {
    const char c = line_[p];
    const StyleWord* w = words_.charWord(static_cast<unsigned char>(c));
    pending_ = kStyleDefault;
    int style = w ? w->style : kStyleDefault;
    std::size_t length = 1;
    const std::size_t n = line_.size();
    if (c == '.' && p + 1 < n && isDigit(line_[p + 1]) && numberLength(p) > 0) {
        length = numberLength(p);
        style = config_.numberStyle;
        w = nullptr;
    } else if (w && (w->options & DelimitBetween)) {
        // A span ends at its closing character; it never runs past the line.
        std::size_t q = p + 1;
        int depth = 0;
        while (q < n && !isLineEnd(line_[q])) {
            const char d = line_[q++];
            if (d == w->closing) {
                if (depth == 0) break;
                --depth;
            } else if (d == c && c != w->closing) {
                ++depth;
            }
        }
        length = q - p;
    } else if (w && (w->options & DelimitToLineEnd)) {
        length = std::max(contentEnd(), p + 1) - p;
    } else if (w && (w->options & PrefixMask)) {
        const bool adjacent = p + 1 < n && !isBlank(line_[p + 1]);
        if (adjacent || (w->options & PrefixAny)) pending_ = w->style;
    }
    put(length, style);
    foldBookkeeping(w);
    return {p, length, w};
}

LineTokeniser::Token LineTokeniser::wordToken(std::size_t p) {
    const std::size_t n = line_.size();
    // A token that starts like a number but fails the test (1.2.3) is one
    // plain word, dots included.
    const bool malformedNumber = isDigit(line_[p]);
    std::size_t q = p;
    while (q < n && !isBlank(line_[q]) &&
           (!words_.isSeparator(static_cast<unsigned char>(line_[q])) || (malformedNumber && line_[q] == '.')))
        ++q;
    const std::string_view word = line_.substr(p, q - p);
    const StyleWord* w = words_.find(word);
    int style = kStyleDefault;
    std::size_t length = q - p;
    if (pending_ != kStyleDefault) {
        style = pending_;
        pending_ = kStyleDefault;
    } else if (w) {
        style = w->style;
    } else if (const StyleWord* first = words_.charWord(static_cast<unsigned char>(word.front()));
               first && (first->options & PrefixMask)) {
        style = first->style;
    } else if (const StyleWord* last = words_.charWord(static_cast<unsigned char>(word.back()));
               last && (last->options & MarkCallMask)) {
        style = last->style;
    } else {
        std::size_t r = q;
        while (r < n && isBlank(line_[r])) ++r;
        const StyleWord* call = r < n && words_.isSeparator(static_cast<unsigned char>(line_[r]))
                                    ? words_.charWord(static_cast<unsigned char>(line_[r]))
                                    : nullptr;
        if (call && ((call->options & MarkCallBlank) || ((call->options & MarkCallAdjacent) && r == q))) {
            style = call->style;
            length = r - p;  // the blanks before the bracket go with the call
        }
    }
    put(length, style);
    foldBookkeeping(w);
    return {p, q - p, w};
}

LineTokeniser::Token LineTokeniser::next() {
    const std::size_t p = pos_;
    const char c = line_[p];
    if (isBlank(c)) {
        std::size_t q = p;
        while (q < line_.size() && isBlank(line_[q])) ++q;
        put(q - p, pending_);
        return {p, q - p, nullptr};
    }
    if (words_.isSeparator(static_cast<unsigned char>(c))) return separatorToken(p);
    if (isDigit(c)) {
        if (const std::size_t length = numberLength(p)) {
            // A number consumes a pending prefix such as % in %1010.
            pending_ = kStyleDefault;
            put(length, config_.numberStyle);
            return {p, length, nullptr};
        }
    }
    return wordToken(p);
}

void tokeniseLine(const TokeniserConfig& config, std::string_view line, int foldLevel, LineStyles& out) {
    LineTokeniser tokeniser(config, line, foldLevel, out);
    while (!tokeniser.done()) tokeniser.next();
}

void styleStructureLine(const TokeniserConfig& config, std::string_view line, int foldLevel, LineStyles& out) {
    LineTokeniser tokeniser(config, line, foldLevel, out);
    // Only routines written in column 0 open a region, so an indented SUB
    // inside another region nests nothing. The enclosing regions are not
    // consulted, so one region left open never costs the SUBs below it
    // their folds.
    const bool topLevel = !line.empty() && !isBlank(line.front());
    // SUB, FUNCTION and ASM open a region only where they start one: not in
    // GO SUB, not in a DECLARE (which has no END) and not as the extension
    // of "#include <x.asm>".
    std::string_view previous;
    const auto opensNothing = [&previous] {
        return equalsNoCase(previous, "go") || equalsNoCase(previous, "declare") || previous == ".";
    };
    while (!tokeniser.done()) {
        const LineTokeniser::Token token = tokeniser.next();
        const std::string_view text = tokeniser.text(token);
        if (isBlank(text.front())) continue;
        const bool previousIsEnd = equalsNoCase(previous, "end");
        if (equalsNoCase(text, "asm")) {
            if (previousIsEnd)
                tokeniser.closeFold();
            else if (!opensNothing())
                tokeniser.openFold();
        } else if (equalsNoCase(text, "sub") || equalsNoCase(text, "function")) {
            if (previousIsEnd)
                tokeniser.closeFold();
            else if (topLevel && !opensNothing())
                tokeniser.openFold();
        } else if (equalsNoCase(text, "rem") || text.front() == '\'') {
            tokeniser.finishAs(kStyleComment);
            break;
        }
        previous = text;
    }
}

}  // namespace quillo
