#pragma once
#include "common/error.h"
#include "pipeline/binary_list.h"

#include <cstdint>
#include <span>
#include <string>

namespace quillo {

// "out/game" -> "out/game.bmi".
std::string binaryListPath(std::string_view base);

// The .bmi bytes: a 32-bit record count, then per record start, size, bank,
// load, flags, path length + path, description length + description, all
// little-endian.
std::string binaryListBytes(const BinaryList& list);
// Writes them through a temporary file.
Status saveBinaryList(const std::string& path, const BinaryList& list);

// Parses .bmi bytes as a whole: a count or length that does not fit in the
// bytes left rejects the file; nothing larger than the input is ever
// reserved. Bytes after the last record are ignored.
Result<BinaryList> parseBinaryList(std::span<const std::uint8_t> bytes);

// Loads a .bmi file into list. A missing file empties the list; a damaged or
// unreadable one leaves it untouched and returns the reason.
Status loadBinaryList(const std::string& path, BinaryList& list);

}  // namespace quillo
