#include "gfxeditor/undo_ring.h"

#include <algorithm>
#include <cassert>

namespace quillo {

UndoRing::UndoRing(std::size_t ringBytes) : ring_(ringBytes) {}

void UndoRing::reset(std::size_t snapshotSize) {
    snapshotSize_ = snapshotSize;
    capacity_ = snapshotSize ? ring_.size() / snapshotSize : 0;
    oldest_ = count_ = current_ = 0;
}

void UndoRing::push(std::span<const std::uint8_t> document) {
    assert(document.size() == snapshotSize_);
    if (capacity_ == 0 || document.size() != snapshotSize_) return;
    // A snapshot after an Undo replaces the redo tail.
    if (count_ > 0) count_ = current_ + 1;
    if (count_ == capacity_) {
        oldest_ = (oldest_ + 1) % capacity_;
        --count_;
    }
    const std::size_t slot = (oldest_ + count_) % capacity_;
    std::copy(document.begin(), document.end(), ring_.data() + slot * snapshotSize_);
    current_ = count_;
    ++count_;
}

bool UndoRing::canUndo() const { return count_ > 0 && current_ > 0; }
bool UndoRing::canRedo() const { return count_ > 0 && current_ + 1 < count_; }

bool UndoRing::undo(std::span<std::uint8_t> document) {
    if (!canUndo() || document.size() != snapshotSize_) return false;
    --current_;
    const std::uint8_t* slot = ring_.data() + ((oldest_ + current_) % capacity_) * snapshotSize_;
    std::copy(slot, slot + snapshotSize_, document.begin());
    return true;
}

bool UndoRing::redo(std::span<std::uint8_t> document) {
    if (!canRedo() || document.size() != snapshotSize_) return false;
    ++current_;
    const std::uint8_t* slot = ring_.data() + ((oldest_ + current_) % capacity_) * snapshotSize_;
    std::copy(slot, slot + snapshotSize_, document.begin());
    return true;
}

}  // namespace quillo
