#pragma once
#include "common/byte_reader.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillo {

enum class TapeFormat { Tap, Tzx };

// The Spectrum's tape blocks, as the ROM saves and loads them.
namespace tap {
inline constexpr std::uint8_t kHeaderFlag = 0x00;
inline constexpr std::uint8_t kDataFlag = 0xFF;
inline constexpr std::uint8_t kProgramHeader = 0;
inline constexpr std::uint8_t kCodeHeader = 3;
inline constexpr std::uint16_t kNoAutostart = 32768;
// A block's length word counts the flag and the checksum too; longer data
// is cut to this, so the word never wraps.
inline constexpr std::size_t kMaxBlockData = 0xFFFF - 2;
}  // namespace tap

namespace tzx {
inline constexpr std::uint16_t kPauseMs = 1000;
inline constexpr std::string_view kSignature{"ZXTape!\x1A\x01\x00", 10};
}  // namespace tzx

// Whether a code block gets its own header block in front of the data.
enum class HeaderBlock { With, Without };

// Writes tape images through one byte writer: TAP blocks (length word, flag,
// body, XOR checksum), and for TZX the signature and every TAP block as a
// standard-speed data block (0x10, a 1000 ms pause, the TAP block).
class TapeWriter {
public:
    explicit TapeWriter(TapeFormat format);

    // A program header (type 0) and its data block.
    void programBlock(std::string_view name, std::uint16_t autostart, std::uint16_t programLength,
                      std::span<const std::uint8_t> data);
    // Optionally a header of headerType with start and 32768, then the data
    // block with dataFlag.
    void codeBlock(std::string_view name, std::uint16_t start, HeaderBlock header, std::uint8_t headerType,
                   std::uint8_t dataFlag, std::span<const std::uint8_t> data);

    const std::string& bytes() const { return out_.bytes(); }

private:
    void header(std::uint8_t type, std::string_view name, std::size_t dataLength, std::uint16_t parameter1,
                std::uint16_t parameter2);
    void block(std::uint8_t flag, std::string_view body);

    TapeFormat format_;
    ByteWriter out_;
};

}  // namespace quillo
