#include "pipeline/zx0.h"

#include "pipeline/zx0_parse.h"

#include <algorithm>
#include <cstdint>

namespace quillo::zx0 {
namespace {

// Bits go most significant first into bit bytes that are reserved in the
// stream where their first bit is needed, between the raw bytes.
class StreamWriter {
public:
    explicit StreamWriter(bool backwards) : backwards_(backwards) {}

    void bit(bool value) {
        if (mask_ == 0) {
            bitByte_ = out_.size();
            out_.push_back(0);
            mask_ = 0x80;
        }
        if (value) out_[bitByte_] |= mask_;
        mask_ >>= 1;
    }
    void byte(std::uint8_t value) { out_.push_back(value); }

    // Interlaced Elias gamma; skipFirst leaves out the first bit, which the
    // caller has put in the offset byte.
    void elias(std::uint32_t value, bool invertData = false, bool skipFirst = false) {
        const bool more = backwards_;  // forwards: 0 = more, 1 = stop
        int top = std::bit_width(value) - 1;
        for (int i = top - 1; i >= 0; --i) {
            if (!skipFirst) bit(more);
            skipFirst = false;
            bit((((value >> i) & 1) != 0) != invertData);
        }
        if (!skipFirst) bit(!more);
    }
    bool firstEliasBit(std::uint32_t value) const { return std::bit_width(value) > 1 ? backwards_ : !backwards_; }

    std::size_t size() const { return out_.size(); }
    std::vector<std::uint8_t> take() { return std::move(out_); }

private:
    bool backwards_;
    std::vector<std::uint8_t> out_;
    std::size_t bitByte_ = 0;
    std::uint8_t mask_ = 0;
};

std::vector<std::uint8_t> writeStream(std::span<const std::uint8_t> data, std::span<const Block> blocks, bool backwards,
                                      std::size_t& delta) {
    StreamWriter w(backwards);
    std::uint32_t last = 1;
    bool afterLiteral = false;
    std::size_t done = 0;
    // Output ahead of input read, measured after each block (where it peaks).
    std::ptrdiff_t ahead = PTRDIFF_MIN / 2;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        if (b.offset == 0) {
            if (i > 0) w.bit(false);
            w.elias(b.length);
            for (std::uint32_t k = 0; k < b.length; ++k) w.byte(data[done + k]);
            afterLiteral = true;
        } else if (afterLiteral && b.offset == last) {
            w.bit(false);
            w.elias(b.length);
            afterLiteral = false;
        } else {
            w.bit(true);
            w.elias((b.offset - 1) / 128 + 1, !backwards);
            const std::uint32_t low = (b.offset - 1) % 128;
            w.byte(static_cast<std::uint8_t>((backwards ? low : 127 - low) << 1 | w.firstEliasBit(b.length - 1)));
            w.elias(b.length - 1, false, true);
            last = b.offset;
            afterLiteral = false;
        }
        done += b.length;
        ahead = std::max(ahead, static_cast<std::ptrdiff_t>(done) - static_cast<std::ptrdiff_t>(w.size()));
    }
    w.bit(true);
    w.elias(256, !backwards);
    std::vector<std::uint8_t> out = w.take();
    delta = static_cast<std::size_t>(std::max<std::ptrdiff_t>(
        0, ahead + static_cast<std::ptrdiff_t>(out.size()) - static_cast<std::ptrdiff_t>(data.size())));
    return out;
}

class StreamReader {
public:
    StreamReader(std::span<const std::uint8_t> bytes, bool backwards) : bytes_(bytes), backwards_(backwards) {}

    bool failed() const { return error_.code != ErrorCode::None; }
    std::size_t position() const { return pos_; }
    Error& error() { return error_; }

    void fail(ErrorCode code, std::string detail) {
        if (failed()) return;
        error_ = {code, std::move(detail), std::min(pos_, bytes_.size())};
    }
    bool bit() {
        if (mask_ == 0) {
            if (pos_ >= bytes_.size()) {
                fail(ErrorCode::Truncated, "the stream ends in the middle of a block");
                return false;
            }
            current_ = bytes_[pos_++];
            mask_ = 0x80;
        }
        const bool value = (current_ & mask_) != 0;
        mask_ >>= 1;
        return value;
    }
    std::uint8_t byte() {
        if (pos_ >= bytes_.size()) {
            fail(ErrorCode::Truncated, "the stream ends in the middle of a block");
            return 0;
        }
        return bytes_[pos_++];
    }
    std::span<const std::uint8_t> raw(std::size_t count) {
        if (count > bytes_.size() - pos_) {
            fail(ErrorCode::Truncated, "a literal runs past the end of the stream");
            return {};
        }
        pos_ += count;
        return bytes_.subspan(pos_ - count, count);
    }
    // Gives 0 on failure; values above limit fail as well.
    std::uint32_t elias(std::uint32_t limit, bool invertData = false, int firstBit = -1) {
        std::uint32_t value = 1;
        for (;;) {
            const bool b = firstBit >= 0 ? firstBit != 0 : bit();
            firstBit = -1;
            if (failed()) return 0;
            if (b != backwards_) return value;  // the stop bit
            value = value * 2 + ((bit() != invertData) ? 1 : 0);
            if (failed()) return 0;
            if (value > limit) {
                fail(ErrorCode::BadLength, "a length or offset code is too long");
                return 0;
            }
        }
    }

private:
    std::span<const std::uint8_t> bytes_;
    bool backwards_;
    std::size_t pos_ = 0;
    std::uint8_t current_ = 0, mask_ = 0;
    Error error_;
};

}  // namespace

Packed compress(std::span<const std::uint8_t> input, bool backwards, const Progress& progress) {
    Packed result;
    if (input.empty()) {
        result.error = {ErrorCode::EmptyInput, "there is nothing to compress", 0};
        return result;
    }
    if (input.size() > kMaxInput) {
        result.error = {ErrorCode::InputTooLarge, "the input is larger than 65535 bytes", 0};
        return result;
    }
    // The backwards stream is the forwards one of the reversed input, reversed.
    std::vector<std::uint8_t> reversed;
    if (backwards) reversed.assign(input.rbegin(), input.rend());
    const std::span<const std::uint8_t> data = backwards ? std::span<const std::uint8_t>(reversed) : input;
    const std::optional<std::vector<Block>> blocks = parseOptimal(data, progress);
    if (!blocks) {
        result.error = {ErrorCode::Cancelled, "compression was cancelled", 0};
        return result;
    }
    result.bytes = writeStream(data, *blocks, backwards, result.delta);
    if (backwards) std::reverse(result.bytes.begin(), result.bytes.end());
    return result;
}

Unpacked decompress(std::span<const std::uint8_t> stream, bool backwards, std::size_t outputLimit) {
    std::vector<std::uint8_t> reversed;
    if (backwards) reversed.assign(stream.rbegin(), stream.rend());
    StreamReader in(backwards ? std::span<const std::uint8_t>(reversed) : stream, backwards);
    Unpacked result;
    std::vector<std::uint8_t>& out = result.bytes;
    const std::uint32_t lengthLimit = static_cast<std::uint32_t>(std::min<std::size_t>(outputLimit, 1u << 30));

    auto literal = [&] {
        const std::uint32_t length = in.elias(lengthLimit);
        if (in.failed()) return;
        if (length > outputLimit - out.size()) {
            in.fail(ErrorCode::OutputTooLarge, "the output would pass its size limit");
            return;
        }
        const std::span<const std::uint8_t> bytes = in.raw(length);
        out.insert(out.end(), bytes.begin(), bytes.end());
    };
    auto copy = [&](std::uint32_t offset, std::uint32_t length) {
        if (offset > out.size()) {
            in.fail(ErrorCode::BadOffset, "a copy reaches before the start of the output");
            return;
        }
        if (length > outputLimit - out.size()) {
            in.fail(ErrorCode::OutputTooLarge, "the output would pass its size limit");
            return;
        }
        for (std::uint32_t k = 0; k < length; ++k) out.push_back(out[out.size() - offset]);
    };

    std::uint32_t last = 1;
    bool afterLiteral = true;
    literal();
    while (!in.failed()) {
        if (!in.bit()) {
            if (in.failed()) break;
            if (afterLiteral) {
                const std::uint32_t length = in.elias(lengthLimit);
                if (!in.failed()) copy(last, length);
                afterLiteral = false;
            } else {
                literal();
                afterLiteral = true;
            }
            continue;
        }
        if (in.failed()) break;
        const std::uint32_t msb = in.elias(256, !backwards);
        if (in.failed()) break;
        if (msb == 256) {
            result.used = in.position();
            break;
        }
        const std::uint8_t low = in.byte();
        if (in.failed()) break;
        last = backwards ? msb * 128 - 127 + (low >> 1) : msb * 128 - (low >> 1);
        const std::uint32_t length = in.elias(lengthLimit - 1, false, low & 1);
        if (!in.failed()) copy(last, length + 1);
        afterLiteral = false;
    }
    if (in.failed()) result.error = in.error();
    if (backwards) std::reverse(out.begin(), out.end());
    return result;
}

}  // namespace quillo::zx0
