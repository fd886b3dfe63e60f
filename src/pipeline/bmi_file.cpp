#include "pipeline/bmi_file.h"

#include "common/byte_reader.h"
#include "common/file_io.h"

namespace quillo {

namespace {

// Start, size, bank, load, flags and the two length fields.
constexpr std::size_t kFixedRecordBytes = 27;
// Far above any real list, and it bounds what a stray file makes us read.
constexpr std::uintmax_t kMaxBinaryListSize = 64ull * 1024 * 1024;

std::string atRecord(std::size_t index, std::uint32_t count, const std::string& what, const ByteReader& in) {
    return "record " + std::to_string(index + 1) + " of " + std::to_string(count) + " " + what + " (offset " +
           std::to_string(in.offset()) + ", " + std::to_string(in.remaining()) + " bytes left)";
}

Error corrupt(std::string detail, const ByteReader& in) {
    return {ErrorCode::Corrupt, {}, std::move(detail), static_cast<std::int64_t>(in.offset())};
}

// A length field followed by that many bytes of text.
bool readText(ByteReader& in, std::string& out) {
    const auto length = in.u32le();
    if (!length || *length > in.remaining()) return false;
    out = *in.text(*length);
    return true;
}

}  // namespace

std::string binaryListPath(std::string_view base) { return std::string(base) + ".bmi"; }

std::string binaryListBytes(const BinaryList& list) {
    ByteWriter out;
    out.u32le(static_cast<std::uint32_t>(list.size()));
    for (const BinaryRecord& r : list) {
        out.u32le(static_cast<std::uint32_t>(r.start));
        out.u32le(static_cast<std::uint32_t>(r.size));
        out.u8(r.bank);
        out.u16le(static_cast<std::uint16_t>(r.load));
        out.u64le(r.flags);
        out.u32le(static_cast<std::uint32_t>(r.file.size()));
        out.text(r.file);
        out.u32le(static_cast<std::uint32_t>(r.description.size()));
        out.text(r.description);
    }
    return out.bytes();
}

Status saveBinaryList(const std::string& path, const BinaryList& list) {
    return writeFileAtomic(path, binaryListBytes(list));
}

Result<BinaryList> parseBinaryList(std::span<const std::uint8_t> bytes) {
    BinaryList result;
    ByteReader in(bytes);
    const auto count = in.u32le();
    if (!count) return corrupt("the file is too short to hold its record count", in);
    if (*count > 0x7FFFFFFFu)
        return corrupt("the record count " + std::to_string(static_cast<std::int32_t>(*count)) + " is negative", in);
    if (*count > in.remaining() / kFixedRecordBytes)
        return corrupt("the file is too short for its " + std::to_string(*count) + " records", in);
    // No reserve from the declared count: the list grows only with records
    // actually present, so memory stays bounded by the input's size.
    for (std::size_t i = 0; i < *count; ++i) {
        BinaryRecord r;
        const auto start = in.u32le();
        const auto size = in.u32le();
        const auto bank = in.u8();
        const auto load = in.u16le();
        const auto flags = in.u64le();
        if (!start || !size || !bank || !load || !flags)
            return corrupt(atRecord(i, *count, "is cut short", in), in);
        r.start = static_cast<std::int32_t>(*start);
        r.size = static_cast<std::int32_t>(*size);
        r.bank = *bank;
        r.load = static_cast<std::int16_t>(*load);
        r.flags = *flags;
        if (!readText(in, r.file)) return corrupt(atRecord(i, *count, "has a file path longer than the file", in), in);
        if (!readText(in, r.description))
            return corrupt(atRecord(i, *count, "has a description longer than the file", in), in);
        result.push_back(std::move(r));
    }
    return result;
}

Status loadBinaryList(const std::string& path, BinaryList& list) {
    const Result<Bytes> file = readFile(path, kMaxBinaryListSize);
    if (!file && file.error().code == ErrorCode::NotFound) {
        list.clear();
        return {};
    }
    if (!file) return file.error();
    Result<BinaryList> read = parseBinaryList(*file);
    if (!read) return Error{ErrorCode::Corrupt, path, "damaged: " + read.error().detail, read.error().offset};
    list = std::move(*read);
    return {};
}

}  // namespace quillo
