#include "pipeline/tap_writer.h"

#include <algorithm>

namespace quillo {

namespace {

constexpr std::uint8_t kStandardSpeedBlock = 0x10;
constexpr std::size_t kNameLength = 10;

std::span<const std::uint8_t> fitting(std::span<const std::uint8_t> data) {
    return data.first(std::min(data.size(), kMaxBlockData));
}

std::string_view asText(std::span<const std::uint8_t> data) {
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace

TapeWriter::TapeWriter(TapeFormat format) : format_(format) {
    if (format_ == TapeFormat::Tzx) out_.text(kTzxSignature);
}

void TapeWriter::block(std::uint8_t flag, std::string_view body) {
    if (format_ == TapeFormat::Tzx) {
        out_.u8(kStandardSpeedBlock);
        out_.u16le(kTzxPauseMs);
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
    block(kHeaderFlag, body.bytes());
}

void TapeWriter::programBlock(std::string_view name, std::uint16_t autostart, std::uint16_t programLength,
                              std::span<const std::uint8_t> data) {
    data = fitting(data);
    header(kProgramHeader, name, data.size(), autostart, programLength);
    block(kDataFlag, asText(data));
}

void TapeWriter::codeBlock(std::string_view name, std::uint16_t start, bool headerWanted, std::uint8_t headerType,
                           std::uint8_t dataFlag, std::span<const std::uint8_t> data) {
    data = fitting(data);
    if (headerWanted) header(headerType, name, data.size(), start, 32768);
    block(dataFlag, asText(data));
}

}  // namespace quillo
