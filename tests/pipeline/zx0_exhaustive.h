#pragma once
// A straightforward exhaustive ZX0 parse, the reference for the fast one:
// every offset at every position, every block length, over (position, last
// offset, kind) states. It is cubic, so it only runs on short inputs.
#include "pipeline/zx0_parse.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quillo::zx0::test {

inline std::uint64_t exhaustiveBits(const std::vector<std::uint8_t>& d) {
    const std::size_t n = d.size();
    constexpr std::int64_t inf = INT64_MAX / 4;
    const std::size_t offsets = std::min<std::size_t>(n, kMaxOffset);
    // copy[p][o]: the last block is a copy with offset o ending at p;
    // literal[p][o]: the last block is a literal ending at p, last offset o.
    std::vector<std::vector<std::int64_t>> copy(n + 1, std::vector<std::int64_t>(offsets + 1, inf));
    std::vector<std::vector<std::int64_t>> literal = copy;
    std::vector<std::int64_t> best(n + 1, inf);
    for (std::size_t p = 1; p <= n; ++p) {
        for (std::size_t o = 1; o <= std::min(p, offsets); ++o) {
            std::int64_t lit = o == 1 ? eliasBits(static_cast<std::uint32_t>(p)) + 8 * static_cast<std::int64_t>(p) : inf;
            for (std::size_t len = 1; len < p; ++len)
                lit = std::min(lit, copy[p - len][o] + 1 + eliasBits(static_cast<std::uint32_t>(len)) + 8 * static_cast<std::int64_t>(len));
            literal[p][o] = lit;
            std::int64_t cp = inf;
            for (std::size_t len = 1; len <= p - o; ++len) {
                if (d[p - len] != d[p - len - o]) break;
                const auto l = static_cast<std::uint32_t>(len);
                cp = std::min(cp, literal[p - len][o] + 1 + eliasBits(l));
                if (len >= 2 && p - len >= 1) cp = std::min(cp, best[p - len] + offsetBits(static_cast<std::uint32_t>(o)) + eliasBits(l - 1));
            }
            copy[p][o] = cp;
            best[p] = std::min({best[p], lit, cp});
        }
    }
    return static_cast<std::uint64_t>(best[n] + kEndBits);
}

}  // namespace quillo::zx0::test
