#pragma once
// Reading TAP tape images back: the standard headers of a tape and the data
// block that follows one of them. Tapes come from anywhere, so every length
// word is checked against the bytes left before it is used.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// Far above any real tape; a larger file is refused before it is read.
inline constexpr std::uintmax_t kMaxTapeFileSize = 64u * 1024 * 1024;

// One standard header (length 19, flag 0) whose data block follows it whole.
struct TapHeaderRow {
    std::string name;  // the 10 name bytes as stored, trailing spaces kept
    std::uint8_t type = 0;
    std::uint16_t start = 0;   // parameter 1
    std::uint16_t length = 0;  // the data length the header declares
};

// "BAS", "#AR", "$AR", "COD"; "???" for any other type byte.
std::string_view tapTypeText(std::uint8_t type);

// The headers of a tape in order; headerless blocks are skipped. A block
// that runs past the end, a length word below 2 or a header without its
// whole data block ends the list with the rows read before it.
std::vector<TapHeaderRow> listTapHeaders(std::span<const std::uint8_t> tape);

// The data (between flag and checksum) of the block that follows the
// header-th standard header, counted from 0; nothing when there is no such
// header or its data block is not whole.
std::optional<std::vector<std::uint8_t>> readTapBlock(std::span<const std::uint8_t> tape, int header);

}  // namespace quillo
