#include "pipeline/tape_writer.h"

#include <algorithm>

namespace quillo {

namespace {

constexpr std::uint8_t kStandardSpeedBlock = 0x10;
constexpr std::size_t kNameLength = 10;

std::span<const std::uint8_t> fitting(std::span<const std::uint8_t> data) {
    return data.first(std::min(data.size(), tap::kMaxBlockData));
}

std::string_view asText(std::span<const std::uint8_t> data) {
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace

TapeWriter::TapeWriter(TapeFormat format) : format_(format) {
    if (format_ == TapeFormat::Tzx) out_.text(tzx::kSignature);
}

void TapeWriter::block(std::uint8_t flag, std::string_view body) {
    if (format_ == TapeFormat::Tzx) {
        out_.u8(kStandardSpeedBlock);
        out_.u16le(tzx::kPauseMs);
    }
    out_.u16le(static_cast<std::uint16_t>(body.size() + 2));
    out_.u8(flag);
    out_.text(body);
    std::uint8_t checksum = flag;
    for (const char c : body) checksum = static_cast<std::uint8_t>(checksum ^ static_cast<std::uint8_t>(c));
    out_.u8(checksum);
}

void TapeWriter::header(std::uint8_t type, std::string_view name, std::size_t dataLength, std::uint16_t parameter1,
                        std::uint16_t parameter2) {
    ByteWriter body;
    body.u8(type);
    std::string padded(name.substr(0, kNameLength));
    padded.resize(kNameLength, ' ');
    body.text(padded);
    body.u16le(static_cast<std::uint16_t>(dataLength));
    body.u16le(parameter1);
    body.u16le(parameter2);
    block(tap::kHeaderFlag, body.bytes());
}

void TapeWriter::programBlock(std::string_view name, std::uint16_t autostart, std::uint16_t programLength,
                              std::span<const std::uint8_t> data) {
    data = fitting(data);
    header(tap::kProgramHeader, name, data.size(), autostart, programLength);
    block(tap::kDataFlag, asText(data));
}

void TapeWriter::codeBlock(std::string_view name, std::uint16_t start, HeaderBlock header, std::uint8_t headerType,
                           std::uint8_t dataFlag, std::span<const std::uint8_t> data) {
    data = fitting(data);
    if (header == HeaderBlock::With) this->header(headerType, name, data.size(), start, 32768);
    block(dataFlag, asText(data));
}

}  // namespace quillo
