#include "fonteditor/char_transforms.h"

#include "fonteditor/standard_shapes.h"

#include <algorithm>
#include <string>

namespace quillo {

namespace {

std::uint8_t reversed(std::uint8_t v) {
    std::uint8_t r = 0;
    for (int i = 0; i < 8; ++i)
        if (v & (1 << i)) r |= static_cast<std::uint8_t>(0x80 >> i);
    return r;
}

std::uint8_t squeezed(std::uint8_t v) {
    std::uint8_t r = 0;
    if (v & 0xC0) r |= 0x80;
    if (v & 0x30) r |= 0x40;
    if (v & 0x0C) r |= 0x20;
    if (v & 0x03) r |= 0x10;
    return r;
}

std::uint8_t columnsOf(const std::uint8_t* rows) {
    std::uint8_t all = 0;
    for (int i = 0; i < 8; ++i) all |= rows[i];
    return all;
}

void rotateClockwise(std::uint8_t* rows) {
    // New pixel (x, y) = old pixel (y, 7 - x); x counts from the left.
    std::uint8_t out[8] = {};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (rows[7 - x] & (0x80 >> y)) out[y] |= static_cast<std::uint8_t>(0x80 >> x);
    std::copy(out, out + 8, rows);
}

template <class Op>
void eachRow(std::uint8_t* rows, Op op) {
    for (int i = 0; i < 8; ++i) rows[i] = static_cast<std::uint8_t>(op(rows[i]));
}

}  // namespace

void transformGlyph(std::uint8_t* rows, CharTransform transform, int code) {
    switch (transform) {
    case CharTransform::Clear: std::fill(rows, rows + 8, 0); break;
    case CharTransform::Invert: eachRow(rows, [](unsigned v) { return ~v; }); break;
    case CharTransform::Mirror: eachRow(rows, reversed); break;
    case CharTransform::Flip: std::reverse(rows, rows + 8); break;
    case CharTransform::ItalicEighth:
        for (int i = 0; i <= 3; ++i) rows[i] >>= 1;
        break;
    case CharTransform::ItalicQuarter:
        for (int i = 0; i <= 2; ++i) rows[i] >>= 1;
        for (int i = 5; i <= 7; ++i) rows[i] = static_cast<std::uint8_t>(rows[i] << 1);
        break;
    case CharTransform::Bold: eachRow(rows, [](unsigned v) { return v | (v << 1); }); break;
    case CharTransform::Rotate: rotateClockwise(rows); break;
    case CharTransform::RecalcTo4x8: eachRow(rows, squeezed); break;
    case CharTransform::AlignLeft:
        for (int n = 0; n < 7 && !(columnsOf(rows) & 0x80); ++n) eachRow(rows, [](unsigned v) { return v << 1; });
        break;
    case CharTransform::AlignRight:
        for (int n = 0; n < 7 && !(columnsOf(rows) & 0x01); ++n) eachRow(rows, [](unsigned v) { return v >> 1; });
        break;
    case CharTransform::Restore: {
        const Glyph shape = standardShape(code);
        std::copy(shape.begin(), shape.end(), rows);
        break;
    }
    }
}

void moveGlyphPixels(std::uint8_t* rows, PixelMove move) {
    switch (move) {
    case PixelMove::RollUp: std::rotate(rows, rows + 1, rows + 8); break;
    case PixelMove::RollDown: std::rotate(rows, rows + 7, rows + 8); break;
    case PixelMove::RollLeft: eachRow(rows, [](unsigned v) { return (v << 1) | (v >> 7); }); break;
    case PixelMove::RollRight: eachRow(rows, [](unsigned v) { return (v >> 1) | (v << 7); }); break;
    case PixelMove::ScrollUp:
        std::copy(rows + 1, rows + 8, rows);
        rows[7] = 0;
        break;
    case PixelMove::ScrollDown:
        std::copy_backward(rows, rows + 7, rows + 8);
        rows[0] = 0;
        break;
    case PixelMove::ScrollLeft: eachRow(rows, [](unsigned v) { return v << 1; }); break;
    case PixelMove::ScrollRight: eachRow(rows, [](unsigned v) { return v >> 1; }); break;
    }
}

void transformChars(WorkingFont& font, CharSpan span, CharTransform transform) {
    for (int c = span.first; c <= span.last; ++c)
        if (!font.isProtected(c)) transformGlyph(font.glyphAt(c), transform, c);
}

void moveCharPixels(WorkingFont& font, CharSpan span, PixelMove move) {
    for (int c = span.first; c <= span.last; ++c)
        if (!font.isProtected(c)) moveGlyphPixels(font.glyphAt(c), move);
}

std::optional<int> highestProtected(const WorkingFont& font, CharSpan span) {
    for (int c = span.last; c >= span.first; --c)
        if (font.isProtected(c)) return c;
    return std::nullopt;
}

std::optional<int> moveRange(WorkingFont& font, RangeMove move) {
    const CharSpan span = font.range();
    if (const auto code = highestProtected(font, span)) return code;
    std::uint8_t* first = font.glyphAt(span.first);
    std::uint8_t* end = first + span.byteCount();
    switch (move) {
    case RangeMove::RollLeft: std::rotate(first, first + 8, end); break;
    case RangeMove::RollRight: std::rotate(first, end - 8, end); break;
    case RangeMove::ScrollLeft:
        std::copy(first + 8, end, first);
        std::fill(end - 8, end, 0);
        break;
    case RangeMove::ScrollRight:
        std::copy_backward(first, end - 8, end);
        std::fill(first, first + 8, 0);
        break;
    }
    return std::nullopt;
}

std::string protectedMessage(int code) {
    return "Protected characters found (" + std::to_string(code) + ")\nOperation breaked";
}

}  // namespace quillo
