#include "pipeline/tap_reader.h"

#include "common/byte_reader.h"
#include "pipeline/tape_writer.h"

#include <array>

namespace quillo {

namespace {

constexpr std::uint16_t kHeaderBlockLength = 19;  // flag, 17 body bytes, checksum
constexpr std::size_t kNameLength = 10;

// One block of the tape: the bytes its length word covers (flag, body,
// checksum), never more than the tape holds.
struct Block {
    std::span<const std::uint8_t> bytes;
    std::uint8_t flag() const { return bytes[0]; }
    // Between the flag and the checksum.
    std::span<const std::uint8_t> data() const { return bytes.subspan(1, bytes.size() - 2); }
    bool isStandardHeader() const { return bytes.size() == kHeaderBlockLength && flag() == tap::kHeaderFlag; }
};

// Walks the blocks of a tape one by one; next() is empty at the end and at
// the first block that is not whole, so every call consumes at least 2 bytes.
class BlockWalker {
public:
    explicit BlockWalker(std::span<const std::uint8_t> tape) : tape_(tape) {}

    std::optional<Block> next() {
        if (tape_.size() - pos_ < 2) return std::nullopt;
        const std::size_t length = tape_[pos_] | (static_cast<std::size_t>(tape_[pos_ + 1]) << 8);
        // A block needs at least its flag and its checksum.
        if (length < 2 || length > tape_.size() - pos_ - 2) return std::nullopt;
        const Block block{tape_.subspan(pos_ + 2, length)};
        pos_ += 2 + length;
        return block;
    }

private:
    std::span<const std::uint8_t> tape_;
    std::size_t pos_ = 0;
};

TapHeaderRow headerRow(const Block& header) {
    ByteReader body(header.data());
    TapHeaderRow row;
    row.type = *body.u8();
    row.name = *body.text(kNameLength);
    row.length = *body.u16le();
    row.start = *body.u16le();
    return row;
}

// Calls found(row, dataBlock) for each standard header followed by a whole
// block, until it returns true or the tape ends.
template <class Found>
void walkHeaders(std::span<const std::uint8_t> tape, Found found) {
    BlockWalker walker(tape);
    while (const std::optional<Block> block = walker.next()) {
        if (!block->isStandardHeader()) continue;
        const std::optional<Block> data = walker.next();
        if (!data) return;
        if (found(headerRow(*block), *data)) return;
    }
}

}  // namespace

std::string_view tapTypeText(std::uint8_t type) {
    static constexpr std::array<std::string_view, 4> kTexts = {"BAS", "#AR", "$AR", "COD"};
    return type < kTexts.size() ? kTexts[type] : std::string_view("???");
}

std::vector<TapHeaderRow> listTapHeaders(std::span<const std::uint8_t> tape) {
    std::vector<TapHeaderRow> rows;
    walkHeaders(tape, [&rows](TapHeaderRow row, const Block&) {
        rows.push_back(std::move(row));
        return false;
    });
    return rows;
}

std::optional<std::vector<std::uint8_t>> readTapBlock(std::span<const std::uint8_t> tape, int header) {
    std::optional<std::vector<std::uint8_t>> result;
    if (header < 0) return result;
    int count = 0;
    walkHeaders(tape, [&](const TapHeaderRow&, const Block& data) {
        if (count++ != header) return false;
        result.emplace(data.data().begin(), data.data().end());
        return true;
    });
    return result;
}

}  // namespace quillo
