#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillo {

// Reads little-endian fields from untrusted bytes. Every read fails (and
// consumes nothing) when fewer bytes remain than it needs, so a declared
// length is always checked against what is left before anything is copied.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::optional<std::uint8_t> u8() { return little<std::uint8_t>(); }
    std::optional<std::uint16_t> u16le() { return little<std::uint16_t>(); }
    std::optional<std::uint32_t> u32le() { return little<std::uint32_t>(); }
    std::optional<std::uint64_t> u64le() { return little<std::uint64_t>(); }

    std::optional<std::string> text(std::size_t length) {
        if (length > remaining()) return std::nullopt;
        std::string out(reinterpret_cast<const char*>(bytes_.data() + pos_), length);
        pos_ += length;
        return out;
    }

private:
    template <typename T>
    std::optional<T> little() {
        if (sizeof(T) > remaining()) return std::nullopt;
        T value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            value = static_cast<T>(value | static_cast<T>(static_cast<T>(bytes_[pos_ + i]) << (8 * i)));
        pos_ += sizeof(T);
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// The writing side: appends little-endian fields to a byte string.
class ByteWriter {
public:
    void u8(std::uint8_t v) { little(v); }
    void u16le(std::uint16_t v) { little(v); }
    void u32le(std::uint32_t v) { little(v); }
    void u64le(std::uint64_t v) { little(v); }
    void text(std::string_view s) { out_ += s; }
    const std::string& bytes() const { return out_; }

private:
    template <typename T>
    void little(T value) {
        for (std::size_t i = 0; i < sizeof(T); ++i) out_ += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    std::string out_;
};

}  // namespace quillo
