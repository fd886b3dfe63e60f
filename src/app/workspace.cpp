#include "app/workspace.h"

#include <utility>

namespace quillo {

int Workspace::add(Document doc) {
    documents_.push_back(std::move(doc));
    return count() - 1;
}

bool Workspace::swap(int from, int to) {
    if (!contains(from) || !contains(to)) return false;
    std::swap(documents_[static_cast<std::size_t>(from)], documents_[static_cast<std::size_t>(to)]);
    return true;
}

void Workspace::remove(int index) {
    if (!contains(index)) return;
    documents_.erase(documents_.begin() + index);
    current_ = -1;
}

}  // namespace quillo
