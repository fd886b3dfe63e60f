#pragma once
// The graphics editor's undo ring: whole-document snapshots in one block.
// It keeps the range of slots that hold snapshots, so Undo stops at the
// oldest, Redo at the newest, and a new snapshot after an Undo drops the
// redo tail. The block comes from calloc: untouched slots cost no memory.
#include "common/zeroed_buffer.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace quillo {

inline constexpr std::size_t kUndoRingSize = 16777416;

class UndoRing {
public:
    explicit UndoRing(std::size_t ringBytes = kUndoRingSize);

    // Forgets every snapshot; later snapshots are `snapshotSize` bytes
    // (capacity = ring size div snapshot size, 1285 for a 32x24 screen).
    void reset(std::size_t snapshotSize);
    std::size_t capacity() const { return capacity_; }
    std::size_t snapshotSize() const { return snapshotSize_; }
    std::size_t count() const { return count_; }  // snapshots held

    // Stores the document as the newest snapshot; when the ring is full
    // the oldest one is overwritten. The size must be snapshotSize().
    void push(std::span<const std::uint8_t> document);
    bool canUndo() const;
    bool canRedo() const;
    // Copies the previous / next snapshot over the document; false (and
    // the document untouched) at the oldest / newest one.
    bool undo(std::span<std::uint8_t> document);
    bool redo(std::span<std::uint8_t> document);

private:
    ZeroedBuffer ring_;
    std::size_t snapshotSize_ = 0;
    std::size_t capacity_ = 0;
    std::size_t oldest_ = 0;   // slot of the oldest snapshot
    std::size_t count_ = 0;    // snapshots from oldest_ on
    std::size_t current_ = 0;  // position of the shown state, 0..count_-1, counted from oldest_
};

}  // namespace quillo
