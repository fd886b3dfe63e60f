#include "pipeline/basic_loader.h"

#include "pipeline/bank_tables.h"

namespace quillo {

namespace {

using namespace token;

const std::string kZero = {Not, Pi};
const std::string kOne = {Sgn, Pi};

std::string val(long long n) { return std::string{Val, '"'} + std::to_string(n) + '"'; }

std::string setUpLine(std::int32_t prgStart) {
    std::string t;
    // A black screen with white ink, so a program that sets no colours of
    // its own can still be read.
    t += Border + kZero + ":" + Paper + kZero + ":" + Ink + val(7) + ":";
    t += Clear + val(std::int64_t{prgStart} - 1) + ":";
    t += Print + ("#" + kZero) + ";" + At + kOne + "," + kZero + ";";
    t += Bright + kOne + ";" + Paper + kOne + ";" + Ink + val(7) + ";";
    t += "\"" + std::string(kLoaderBanner) + "\":";
    t += Poke + val(23739) + "," + val(111);
    return t;
}

std::string pageIn(int pagingValue) {
    return Poke + val(23388) + "," + val(pagingValue) + ":" + Out + val(32765) + "," + val(pagingValue);
}

std::string loadCode() { return std::string{Load, '"', '"', Code}; }

}  // namespace

void appendBasicLine(ByteWriter& out, int lineNumber, std::string_view text) {
    out.u8(static_cast<std::uint8_t>((lineNumber >> 8) & 0xFF));
    out.u8(static_cast<std::uint8_t>(lineNumber & 0xFF));
    out.u16le(static_cast<std::uint16_t>(text.size() + 1));
    out.text(text);
    out.u8(0x0D);
}

std::string basicLoader(std::int32_t prgStart, std::string_view author, std::uint8_t bankMask) {
    // Every other line is short; the REM line takes what is left of the
    // buffer so its 16-bit length and the whole program always fit.
    constexpr std::size_t kRoomForOtherLines = 1024;
    constexpr std::string_view kCredit = "Project created by: ";
    const std::size_t authorRoom = kLoaderCapacity - kRoomForOtherLines - kCredit.size();

    ByteWriter out;
    int line = 10;
    const auto add = [&](std::string_view text) {
        appendBasicLine(out, line, text);
        line += 10;
    };
    add(Rem + std::string(kCredit) + std::string(author.substr(0, authorRoom)));
    add(setUpLine(prgStart));
    for (int bank = 1; bank < kBankCount; ++bank)
        if ((bankMask >> bank) & 1u) add(pageIn(kBanks[static_cast<std::size_t>(bank)].pagingValue) + ":" + loadCode());
    if ((bankMask & 0x3E) != 0) add(pageIn(16));
    add(loadCode());
    add(Randomize + std::string{Usr} + val(prgStart));
    return out.bytes();
}

}  // namespace quillo
