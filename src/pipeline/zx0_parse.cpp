#include "pipeline/zx0_parse.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

// A shortest path over (position, last offset, last block kind). Two facts
// keep it small, both because the other choice is always dearer:
// - a copy that a literal follows runs to the end of its run of matching
//   bytes (moving a byte from the literal into the copy saves 6 bits or more);
// - a repeat-offset copy starts where its run of matching bytes starts.
// So an offset only matters at the starts and ends of its runs. Copies with
// a new offset need only the longest run in each of the 8 offset-cost
// classes; each offset's own chain of literal / repeat states is followed
// while it costs at most kKeep bits more than the best state at that point.
namespace quillo::zx0 {
namespace {

using Cost = std::int32_t;
constexpr Cost kInf = 1 << 29;
constexpr Cost kKeep = 32;
constexpr std::uint32_t kNone = 0xFFFFFFFFu;
constexpr int kClasses = 8;
constexpr int kMaxCandidates = 8;

// How a copy state was reached, in 2 + 30 bits.
constexpr std::uint32_t kFromNew = 0u << 30;    // new-offset copy from the best state at payload
constexpr std::uint32_t kFromRepeat = 1u << 30; // repeat copy described by node payload
constexpr std::uint32_t kFromStart = 2u << 30;  // nothing: the first literal follows
constexpr std::uint32_t kKindMask = 3u << 30;
constexpr std::uint32_t kPayload = ~kKindMask;

// A repeat copy from start, after the literal [literalStart, start), after
// the chain copy that from describes (or the start of the stream).
struct RepeatNode {
    std::uint32_t start;
    std::uint32_t literalStart;
    std::uint32_t from;
};

// A copy with the chain's offset ending at a run end: cost = key + 8 * end,
// so a literal from it costs key + 8 * literal end + 1 + Elias(length).
struct Candidate {
    std::uint32_t end;
    Cost key;
    std::uint32_t from;
};

struct Chain {
    std::uint32_t offset = 0;
    bool inRun = false;
    std::uint32_t runStart = 0, runEnd = 0;
    Cost repeatCost = kInf;  // the literal state at runStart
    std::uint32_t literalStart = 0, literalFrom = 0;
    std::int32_t node = -1;  // the RepeatNode of this run, once something uses it
    std::uint32_t wakeAt = 0;
    int count = 0;
    std::array<Candidate, kMaxCandidates> candidates{};
};

struct Run {
    std::uint32_t start, end, offset;
};

// Something to do at a position: a run of offset matches ends there, or a
// chain's offset matches again there after a gap.
struct Event {
    std::uint32_t next, offset, start;
};

struct HotRun {
    std::uint32_t offset, start, end;
};

class Parser {
public:
    explicit Parser(std::span<const std::uint8_t> data) : data_(data), n_(static_cast<std::uint32_t>(data.size())) {}
    std::optional<std::vector<Block>> run(const Progress& progress);

private:
    std::uint32_t matchLength(std::uint32_t start, std::uint32_t offset, std::uint32_t known) const;
    std::uint32_t nextMatch(std::uint32_t from, std::uint32_t offset) const;
    std::uint32_t rangeMin(std::uint32_t a, std::uint32_t b) const;
    Cost newCopyBase(std::uint32_t p, std::uint32_t longest, std::uint32_t& from) const;
    void newCopies(std::uint32_t p);
    void finish(std::uint32_t p);
    void buildPairLists();
    void chainsAt(std::uint32_t p);
    void wake(std::uint32_t p, std::uint32_t offset);
    void discoverAt(std::uint32_t p);
    void schedule(std::vector<std::uint32_t>& calendar, std::uint32_t at, std::uint32_t offset, std::uint32_t start);
    void endsAt(std::uint32_t p);
    void endRun(std::uint32_t p, std::uint32_t offset, std::uint32_t start);
    void scheduleWake(Chain& chain, std::uint32_t from);
    void offerRepeat(std::uint32_t p, Chain& chain);
    std::uint32_t nodeOf(Chain& chain);
    Chain* chainOf(std::uint32_t offset) {
        const std::int32_t index = chainIndex_[offset];
        return index < 0 ? nullptr : &chains_[static_cast<std::size_t>(index)];
    }
    Chain& createChain(std::uint32_t offset);
    void removeChain(std::uint32_t offset);
    static void addCandidate(Chain& chain, Candidate candidate);
    std::vector<Block> blocks() const;

    std::span<const std::uint8_t> data_;
    std::uint32_t n_;

    // Per position: best state, best copy state, best literal state.
    std::vector<Cost> best_, copy_, literal_;
    std::vector<std::uint8_t> bestIsCopy_;
    std::vector<std::uint32_t> copyOffset_, copyFrom_, literalFrom_;
    std::vector<std::vector<std::uint16_t>> minTable_;  // argmin of best_ over 2^k positions

    // Literal starts after any copy: (end, copy cost - 8 * end), dearer ones pruned.
    std::vector<std::pair<std::uint32_t, Cost>> literalStarts_;

    std::vector<std::uint32_t> pairNext_, pairSkip_;
    std::array<std::vector<Run>, kClasses> classRuns_;
    std::array<std::size_t, kClasses> classHead_{};

    std::vector<Event> events_;
    std::uint32_t freeEvents_ = kNone;
    std::vector<std::uint32_t> endCalendar_, wakeCalendar_;
    std::vector<HotRun> hot_;

    std::vector<Chain> chains_;
    std::vector<std::int32_t> chainIndex_;
    std::vector<RepeatNode> nodes_;
};

std::uint32_t Parser::matchLength(std::uint32_t start, std::uint32_t offset, std::uint32_t known) const {
    std::uint32_t i = start + known;
    const std::uint8_t* d = data_.data();
    if constexpr (std::endian::native == std::endian::little) {
        while (i + 8 <= n_) {
            std::uint64_t a, b;
            std::memcpy(&a, d + i, 8);
            std::memcpy(&b, d + i - offset, 8);
            if (a != b) return i + static_cast<std::uint32_t>(std::countr_zero(a ^ b) / 8) - start;
            i += 8;
        }
    }
    while (i < n_ && d[i] == d[i - offset]) ++i;
    return i - start;
}

std::uint32_t Parser::nextMatch(std::uint32_t from, std::uint32_t offset) const {
    std::uint32_t i = std::max(from, offset);
    const std::uint8_t* d = data_.data();
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
        while (i + 8 <= n_) {
            std::uint64_t a, b;
            std::memcpy(&a, d + i, 8);
            std::memcpy(&b, d + i - offset, 8);
            const std::uint64_t x = a ^ b;
            // The lowest flagged byte is the first equal one.
            const std::uint64_t zero = (x - ones) & ~x & highs;
            if (zero) return i + static_cast<std::uint32_t>(std::countr_zero(zero) / 8);
            i += 8;
        }
    }
    while (i < n_ && d[i] != d[i - offset]) ++i;
    return i;
}

std::uint32_t Parser::rangeMin(std::uint32_t a, std::uint32_t b) const {
    const int k = std::bit_width(b - a + 1) - 1;
    const std::uint32_t x = minTable_[k][a], y = minTable_[k][b - (1u << k) + 1];
    return best_[y] < best_[x] ? y : x;
}

// min over copy lengths 2..longest ending at p of best[p - length] + Elias(length - 1),
// one range minimum per Elias size.
Cost Parser::newCopyBase(std::uint32_t p, std::uint32_t longest, std::uint32_t& from) const {
    Cost result = kInf;
    for (int k = 0; (1u << k) <= longest - 1; ++k) {
        const std::uint32_t low = 1u << k, high = std::min((2u << k) - 1, longest - 1);
        const std::uint32_t t = rangeMin(p - 1 - high, p - 1 - low);
        const Cost cost = best_[t] + 2 * k + 1;
        if (cost < result) {
            result = cost;
            from = t;
        }
    }
    return result;
}

void Parser::finish(std::uint32_t p) {
    Cost lit = eliasBits(p) + 8 * static_cast<Cost>(p);
    std::uint32_t litFrom = 0;
    for (const auto& [end, key] : literalStarts_) {
        const Cost cost = key + 8 * static_cast<Cost>(p) + 1 + eliasBits(p - end);
        if (cost < lit) {
            lit = cost;
            litFrom = end;
        }
    }
    literal_[p] = lit;
    literalFrom_[p] = litFrom;
    bestIsCopy_[p] = copy_[p] < lit;
    best_[p] = std::min(copy_[p], lit);

    minTable_[0][p] = static_cast<std::uint16_t>(p);
    for (std::size_t k = 1; k < minTable_.size() && p + 1 >= (1u << k); ++k) {
        const std::uint32_t i = p + 1 - (1u << k);
        const std::uint16_t x = minTable_[k - 1][i], y = minTable_[k - 1][i + (1u << (k - 1))];
        minTable_[k][i] = best_[y] < best_[x] ? y : x;
    }

    if (copy_[p] < kInf) {
        // A literal from an older end costs more Elias bits but is otherwise the same,
        // so an older entry with a key no lower is never better.
        const Cost key = copy_[p] - 8 * static_cast<Cost>(p);
        while (!literalStarts_.empty() && literalStarts_.back().second >= key) literalStarts_.pop_back();
        if (literalStarts_.empty() || key < literalStarts_.front().second + 30) literalStarts_.push_back({p, key});
    }
}

// Positions of each byte pair, newest first, with a link past entries that
// share their preceding byte: the runs of 2 or more matching bytes that start
// at b are then visited without stepping over those that merely continue.
void Parser::buildPairLists() {
    std::vector<std::uint32_t> head(65536, kNone);
    pairNext_.assign(n_, kNone);
    pairSkip_.assign(n_, kNone);
    auto before = [&](std::uint32_t j) { return j == 0 ? 256u : data_[j - 1]; };
    for (std::uint32_t j = 0; j + 1 < n_; ++j) {
        const std::uint32_t pair = static_cast<std::uint32_t>(data_[j]) << 8 | data_[j + 1];
        const std::uint32_t h = head[pair];
        pairNext_[j] = h;
        if (h != kNone) pairSkip_[j] = before(h) != before(j) ? h : pairSkip_[h];
        head[pair] = j;
    }
}

std::uint32_t Parser::nodeOf(Chain& chain) {
    if (chain.node < 0) {
        chain.node = static_cast<std::int32_t>(nodes_.size());
        nodes_.push_back({chain.runStart, chain.literalStart, chain.literalFrom});
    }
    return static_cast<std::uint32_t>(chain.node);
}

void Parser::offerRepeat(std::uint32_t p, Chain& chain) {
    const Cost cost = chain.repeatCost + 1 + eliasBits(p - chain.runStart);
    if (cost < copy_[p]) {
        copy_[p] = cost;
        copyOffset_[p] = chain.offset;
        copyFrom_[p] = kFromRepeat | nodeOf(chain);
    }
}

Chain& Parser::createChain(std::uint32_t offset) {
    chainIndex_[offset] = static_cast<std::int32_t>(chains_.size());
    Chain& chain = chains_.emplace_back();
    chain.offset = offset;
    return chain;
}

void Parser::removeChain(std::uint32_t offset) {
    const auto index = static_cast<std::size_t>(chainIndex_[offset]);
    chainIndex_[offset] = -1;
    if (index + 1 != chains_.size()) {
        chains_[index] = chains_.back();
        chainIndex_[chains_[index].offset] = static_cast<std::int32_t>(index);
    }
    chains_.pop_back();
}

void Parser::addCandidate(Chain& chain, Candidate candidate) {
    while (chain.count > 0 && chain.candidates[chain.count - 1].key >= candidate.key) --chain.count;
    if (chain.count > 0 && candidate.key >= chain.candidates[0].key + 30) return;
    if (chain.count == kMaxCandidates) {
        std::move(chain.candidates.begin() + 1, chain.candidates.end(), chain.candidates.begin());
        --chain.count;
    }
    chain.candidates[chain.count++] = candidate;
}

void Parser::schedule(std::vector<std::uint32_t>& calendar, std::uint32_t at, std::uint32_t offset, std::uint32_t start) {
    std::uint32_t e = freeEvents_;
    if (e == kNone) {
        e = static_cast<std::uint32_t>(events_.size());
        events_.push_back({});
    } else {
        freeEvents_ = events_[e].next;
    }
    events_[e] = {calendar[at], offset, start};
    calendar[at] = e;
}

// The chain wakes where its offset next matches, to start a repeat there.
void Parser::scheduleWake(Chain& chain, std::uint32_t from) {
    const std::uint32_t s = nextMatch(from, chain.offset);
    if (s >= n_) {
        removeChain(chain.offset);
        return;
    }
    chain.wakeAt = s + 1;
    schedule(wakeCalendar_, s + 1, chain.offset, 0);
}

// A followed offset matches at byte p - 1 after a gap: the literal state there
// and a repeat run from it.
void Parser::wake(std::uint32_t p, std::uint32_t offset) {
    Chain* chain = chainOf(offset);
    if (!chain || chain->inRun || chain->wakeAt != p) return;
    const std::uint32_t i = p - 1;
    Cost lit = kInf;
    int kept = 0;
    for (int c = 0; c < chain->count; ++c) {
        const Candidate& candidate = chain->candidates[c];
        const Cost cost = candidate.key + 8 * static_cast<Cost>(i) + 1 + eliasBits(i - candidate.end);
        if (cost - best_[i] > kKeep) continue;
        chain->candidates[kept++] = candidate;
        if (cost < lit) {
            lit = cost;
            chain->literalStart = candidate.end;
            chain->literalFrom = candidate.from;
        }
    }
    chain->count = kept;
    if (kept == 0) {
        removeChain(offset);
        return;
    }
    chain->inRun = true;
    chain->runStart = i;
    chain->runEnd = i + matchLength(i, offset, 1);
    chain->repeatCost = lit;
    chain->node = -1;
    if (chain->runEnd < n_) schedule(endCalendar_, chain->runEnd, offset, i);
    offerRepeat(p, *chain);
    // A longer repeat can only beat a new-offset copy of the same run when
    // the literal state is cheaper than the best state by the offset's bits.
    if (chain->runEnd >= p + 1 && lit + 1 < best_[i] + offsetBits(offset)) hot_.push_back({offset, i, chain->runEnd});
}

void Parser::chainsAt(std::uint32_t p) {
    for (std::size_t k = 0; k < hot_.size();) {
        const HotRun h = hot_[k];
        Chain* chain = chainOf(h.offset);
        if (h.end < p || !chain || !chain->inRun || chain->runStart != h.start) {
            hot_[k] = hot_.back();
            hot_.pop_back();
            continue;
        }
        offerRepeat(p, *chain);
        ++k;
    }
    for (std::uint32_t e = wakeCalendar_[p]; e != kNone;) {
        const Event event = events_[e];
        events_[e].next = freeEvents_;
        freeEvents_ = e;
        wake(p, event.offset);
        e = event.next;
    }
    wakeCalendar_[p] = kNone;
}

// Runs of 2 or more matching bytes starting at b = p - 2, every offset.
void Parser::discoverAt(std::uint32_t p) {
    if (p < 3) return;
    const std::uint32_t b = p - 2;
    const std::uint32_t before = data_[b - 1];
    std::uint32_t j = pairNext_[b];
    while (j != kNone && b - j <= kMaxOffset) {
        if ((j == 0 ? 256u : data_[j - 1]) == before) {
            j = pairSkip_[j];
            continue;
        }
        const std::uint32_t o = b - j;
        std::uint32_t end;
        const Chain* chain = chainOf(o);
        if (chain && chain->inRun && chain->runStart == b) {
            end = chain->runEnd;  // the chain already waits for this end
        } else {
            end = b + matchLength(b, o, 2);
            if (end < n_) schedule(endCalendar_, end, o, b);  // nothing follows a copy to the end
        }
        const int cls = std::bit_width((o - 1) / 128 + 1) - 1;
        std::vector<Run>& runs = classRuns_[cls];
        // An older run that lasts at least as long gives every copy this one could.
        if (runs.size() > classHead_[cls] && runs.back().end >= end) {
            j = pairNext_[j];
            continue;
        }
        while (runs.size() > classHead_[cls] && runs.back().start == b) runs.pop_back();
        runs.push_back({b, end, o});
        j = pairNext_[j];
    }
}

// A run of the offset ends at p: the copy ending there may start a literal
// that a later repeat follows, so it becomes a candidate of the offset's chain.
void Parser::endRun(std::uint32_t p, std::uint32_t offset, std::uint32_t runStart) {
    const std::uint32_t length = p - runStart;
    Chain* chain = chainOf(offset);
    std::uint32_t start = 0;
    const Cost fresh = length >= 2 ? offsetBits(offset) + newCopyBase(p, length, start) : kInf;
    Cost repeat = kInf;
    if (chain && chain->inRun && chain->runStart == runStart) {
        repeat = chain->repeatCost + 1 + eliasBits(length);
        chain->inRun = false;
    }
    const Cost cost = std::min(fresh, repeat);
    if (cost - best_[p] <= kKeep) {
        if (!chain) chain = &createChain(offset);
        const std::uint32_t from = repeat <= fresh ? kFromRepeat | nodeOf(*chain) : kFromNew | start;
        addCandidate(*chain, {p, cost - 8 * static_cast<Cost>(p), from});
    }
    if (chain && !chain->inRun && chain->wakeAt <= p) scheduleWake(*chain, p + 1);
}

void Parser::endsAt(std::uint32_t p) {
    for (std::uint32_t e = endCalendar_[p]; e != kNone;) {
        const Event event = events_[e];
        events_[e].next = freeEvents_;
        freeEvents_ = e;
        endRun(p, event.offset, event.start);
        e = event.next;
    }
    endCalendar_[p] = kNone;
}

// The longest run in each offset-cost class gives every new-offset copy ending at p.
void Parser::newCopies(std::uint32_t p) {
    for (int c = 0; c < kClasses; ++c) {
        std::vector<Run>& runs = classRuns_[c];
        std::size_t& head = classHead_[c];
        while (head < runs.size() && runs[head].end < p) ++head;
        if (head == runs.size()) {
            runs.clear();
            head = 0;
            continue;
        }
        if (head > 4096) {
            runs.erase(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(head));
            head = 0;
        }
        const Run& r = runs[head];
        std::uint32_t start = 0;
        const Cost cost = 9 + 2 * c + newCopyBase(p, p - r.start, start);
        if (cost < copy_[p]) {
            copy_[p] = cost;
            copyOffset_[p] = r.offset;
            copyFrom_[p] = kFromNew | start;
        }
    }
}

std::optional<std::vector<Block>> Parser::run(const Progress& progress) {
    best_.assign(n_ + 1, kInf);
    copy_.assign(n_ + 1, kInf);
    literal_.assign(n_ + 1, kInf);
    bestIsCopy_.assign(n_ + 1, 0);
    copyOffset_.assign(n_ + 1, 0);
    copyFrom_.assign(n_ + 1, 0);
    literalFrom_.assign(n_ + 1, 0);
    endCalendar_.assign(n_ + 1, kNone);
    wakeCalendar_.assign(n_ + 1, kNone);
    minTable_.resize(static_cast<std::size_t>(std::bit_width(n_ + 1)));
    for (auto& level : minTable_) level.assign(n_ + 1, 0);
    chainIndex_.assign(kMaxOffset + 1, -1);
    buildPairLists();

    // Before the first block the offset is 1 and the first literal has no indicator.
    Chain& first = createChain(1);
    first.candidates[0] = {0, -1, kFromStart};
    first.count = 1;
    scheduleWake(first, 1);

    for (std::uint32_t p = 1; p <= n_; ++p) {
        if (progress && (p & 1023) == 0 && !progress(p, n_)) return std::nullopt;
        chainsAt(p);
        discoverAt(p);
        newCopies(p);
        finish(p);
        endsAt(p);
    }
    if (progress && !progress(n_, n_)) return std::nullopt;
    return blocks();
}

std::vector<Block> Parser::blocks() const {
    std::vector<Block> out;
    std::uint32_t p = n_;
    bool atCopy = bestIsCopy_[p];
    // Follows the chain copy that from describes, ending at p with offset o.
    auto chainCopy = [&](std::uint32_t from, std::uint32_t o) {
        while ((from & kKindMask) == kFromRepeat) {
            const RepeatNode& node = nodes_[from & kPayload];
            out.push_back({p - node.start, o});
            out.push_back({node.start - node.literalStart, 0});
            p = node.literalStart;
            from = node.from;
        }
        if ((from & kKindMask) == kFromStart) return false;
        out.push_back({p - (from & kPayload), o});
        p = from & kPayload;
        return true;
    };
    while (p > 0) {
        if (!atCopy) {
            const std::uint32_t start = literalFrom_[p];
            out.push_back({p - start, 0});
            p = start;
            atCopy = true;
            continue;
        }
        const std::uint32_t from = copyFrom_[p], o = copyOffset_[p];
        if (!chainCopy(from, o)) break;
        atCopy = bestIsCopy_[p];
    }
    std::reverse(out.begin(), out.end());
    return out;
}

}  // namespace

std::uint64_t streamBits(std::span<const Block> blocks) {
    std::uint64_t bits = kEndBits;
    std::uint32_t last = 1;
    bool afterLiteral = false;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        if (b.offset == 0) {
            bits += (i == 0 ? 0 : 1) + eliasBits(b.length) + 8ull * b.length;
            afterLiteral = true;
            continue;
        }
        if (afterLiteral && b.offset == last) bits += 1 + eliasBits(b.length);
        else bits += offsetBits(b.offset) + eliasBits(b.length - 1);
        last = b.offset;
        afterLiteral = false;
    }
    return bits;
}

std::optional<std::vector<Block>> parseOptimal(std::span<const std::uint8_t> data, const Progress& progress) {
    return Parser(data).run(progress);
}

}  // namespace quillo::zx0
