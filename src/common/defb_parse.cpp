#include "common/defb_parse.h"

#include "common/number_text.h"
#include "common/text.h"

namespace quillo {

namespace {

bool isDefbAt(std::string_view text, std::size_t at) {
    return startsWithNoCase(text.substr(at), "defb");
}

std::uint8_t pieceByte(std::string_view piece) {
    const NumberPrefix number = readNumberPrefix(piece, {.hexDollar = true, .binaryPercent = true});
    return static_cast<std::uint8_t>(wrappedInt32(number) & 0xFF);
}

}  // namespace

std::vector<std::uint8_t> parseDefb(std::string_view text) {
    // One pass builds the normalised text: keywords become commas, CR LF goes.
    std::string flat;
    flat.reserve(text.size());
    bool firstDefb = true;
    for (std::size_t i = 0; i < text.size();) {
        if (isDefbAt(text, i)) {
            if (!firstDefb) flat += ',';
            firstDefb = false;
            i += 4;
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            i += 2;
        } else {
            flat += text[i++];
        }
    }
    std::vector<std::uint8_t> bytes;
    std::string_view rest = flat;
    for (;;) {
        const std::size_t comma = rest.find(',');
        bytes.push_back(pieceByte(rest.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return bytes;
}

}  // namespace quillo
