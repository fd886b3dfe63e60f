#pragma once
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Generated inputs for the ZX0 tests and benchmark, the same on every run.
namespace quillo::zx0::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes zeros(std::size_t n) { return Bytes(n, 0); }

inline Bytes randomBytes(std::size_t n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out) b = static_cast<std::uint8_t>(rng());
    return out;
}

// Numbered lines of BASIC words, names and numbers, like a program listing.
inline Bytes basicText(std::size_t n, std::uint32_t seed) {
    static const char* const words[] = {"PRINT", "LET", "IF", "THEN", "GOTO", "GOSUB", "FOR", "TO", "STEP", "NEXT",
                                        "DIM", "AS", "UBYTE", "UINTEGER", "FUNCTION", "SUB", "END", "RETURN", "INK",
                                        "PAPER", "BORDER", "PLOT", "DRAW", "CIRCLE", "AT", "POKE", "PEEK", "score",
                                        "lives", "x", "y", "dx", "dy", "\"GAME OVER\"", "\"Press any key\"", "AND", "OR"};
    std::mt19937 rng(seed);
    std::string s;
    for (int line = 10; s.size() < n; line += 10) {
        s += std::to_string(line);
        const int count = 2 + static_cast<int>(rng() % 7);
        for (int k = 0; k < count; ++k) {
            s += ' ';
            s += rng() % 5 == 0 ? std::to_string(rng() % 1000) : words[rng() % std::size(words)];
        }
        s += '\n';
    }
    return Bytes(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
}

// Z80-like machine code: common opcodes with operands from a few addresses
// and registers, small routines repeated with variations, and word tables.
inline Bytes z80Code(std::size_t n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes out;
    std::array<std::uint16_t, 24> addresses{};
    for (auto& a : addresses) a = static_cast<std::uint16_t>(0x8000 + rng() % 0x4000);
    auto word = [&](std::uint16_t w) {
        out.push_back(static_cast<std::uint8_t>(w & 0xFF));
        out.push_back(static_cast<std::uint8_t>(w >> 8));
    };
    while (out.size() < n) {
        switch (rng() % 12) {
        case 0: out.push_back(0xCD); word(addresses[rng() % addresses.size()]); break;                  // CALL nn
        case 1: out.push_back(0x21); word(addresses[rng() % addresses.size()]); break;                  // LD HL,nn
        case 2: out.push_back(static_cast<std::uint8_t>(0x06 + 8 * (rng() % 6))); out.push_back(static_cast<std::uint8_t>(rng() % 32)); break;  // LD r,n
        case 3: out.push_back(static_cast<std::uint8_t>(0x40 + rng() % 64)); break;                      // LD r,r
        case 4: out.push_back(0x18 + 8 * (rng() % 4)); out.push_back(static_cast<std::uint8_t>(0xF0 + rng() % 16)); break;  // JR cc,e
        case 5: out.push_back(static_cast<std::uint8_t>(0xC5 + 16 * (rng() % 4))); break;                // PUSH
        case 6: out.push_back(static_cast<std::uint8_t>(0xC1 + 16 * (rng() % 4))); break;                // POP
        case 7: out.push_back(0xC9); break;                                                              // RET
        case 8: out.push_back(0xDD); out.push_back(0x7E); out.push_back(static_cast<std::uint8_t>(rng() % 8)); break;  // LD A,(IX+d)
        case 9: out.push_back(static_cast<std::uint8_t>(0x80 + rng() % 64)); break;                      // ALU A,r
        case 10:
            if (out.size() > 64) {  // a routine seen before, one byte changed
                const std::size_t from = rng() % (out.size() - 32), len = 8 + rng() % 24;
                for (std::size_t k = 0; k < len; ++k) out.push_back(out[from + k]);
                out[out.size() - 1 - rng() % len] ^= static_cast<std::uint8_t>(1 + rng() % 255);
            }
            break;
        default:
            for (int k = 0; k < 8; ++k) word(static_cast<std::uint16_t>(0x4000 + 32 * (rng() % 192)));  // a table
        }
    }
    out.resize(n);
    return out;
}

// A 6912-byte Spectrum screen: a bitmap in the display's row order with
// a border, boxes, dithered areas, lines and text-like glyphs, then
// attributes in coloured blocks.
inline Bytes spectrumScreen(std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> pixels(256 * 192 / 8, 0);  // linear rows of 32 bytes
    auto set = [&](int x, int y) {
        if (x >= 0 && x < 256 && y >= 0 && y < 192) pixels[static_cast<std::size_t>(y * 32 + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    };
    for (int x = 0; x < 256; ++x) set(x, 0), set(x, 191);
    for (int y = 0; y < 192; ++y) set(0, y), set(255, y);
    for (int box = 0; box < 6; ++box) {
        const int x0 = static_cast<int>(rng() % 200), y0 = static_cast<int>(rng() % 150), w = 16 + static_cast<int>(rng() % 56), h = 8 + static_cast<int>(rng() % 40);
        const bool dither = rng() % 2;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                if (y == y0 || y == y0 + h - 1 || x == x0 || x == x0 + w - 1 || (dither && (x + y) % 2 == 0)) set(x, y);
    }
    for (int line = 0; line < 10; ++line) {
        int x = static_cast<int>(rng() % 256), y = static_cast<int>(rng() % 192);
        const int dx = static_cast<int>(rng() % 3) - 1, dy = static_cast<int>(rng() % 3) - 1;
        for (int k = 0; k < 120; ++k) set(x += dx, y += dy);
    }
    std::array<std::array<std::uint8_t, 8>, 16> glyphs{};
    for (auto& g : glyphs)
        for (int r = 1; r < 7; ++r) g[r] = static_cast<std::uint8_t>((rng() & 0x7E));
    for (int row = 18; row < 23; ++row)
        for (int col = 2; col < 30; ++col)
            if (rng() % 6)
                for (int r = 0; r < 8; ++r) pixels[static_cast<std::size_t>((row * 8 + r) * 32 + col)] = glyphs[rng() % 4 + (row % 4) * 3][r];
    Bytes out(6912, 0);
    for (int y = 0; y < 192; ++y) {
        const int address = ((y & 0xC0) << 5) | ((y & 0x07) << 8) | ((y & 0x38) << 2);
        for (int c = 0; c < 32; ++c) out[static_cast<std::size_t>(address + c)] = pixels[static_cast<std::size_t>(y * 32 + c)];
    }
    for (int block = 0; block < 768; block += 8) {
        const auto attr = static_cast<std::uint8_t>(rng() % 4 == 0 ? rng() % 128 : 0x38);
        for (int k = 0; k < 8; ++k) out[static_cast<std::size_t>(6144 + block + k)] = attr;
    }
    return out;
}

}  // namespace quillo::zx0::test
