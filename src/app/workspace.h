#pragma once
// The open sources in tab order and which one is current. The window's tab
// widget follows this list; nothing else keeps a copy of it.
#include "app/document.h"

#include <set>
#include <string>
#include <vector>

namespace quillo {

class Workspace {
public:
    int count() const { return static_cast<int>(documents_.size()); }
    bool empty() const { return documents_.empty(); }
    // -1 before the first document is activated and after the current one closed.
    int currentIndex() const { return current_; }
    bool hasCurrent() const { return current_ >= 0 && current_ < count(); }
    bool contains(int index) const { return index >= 0 && index < count(); }

    Document& document(int index) { return documents_.at(static_cast<std::size_t>(index)); }
    const Document& document(int index) const { return documents_.at(static_cast<std::size_t>(index)); }
    Document& current() { return document(current_); }
    const std::vector<Document>& documents() const { return documents_; }

    // Appends a document and returns its index; it is not made current.
    int add(Document doc);
    void setCurrent(int index) { current_ = index; }
    // Swaps the documents at from and to; false when either is out of range.
    bool swap(int from, int to);
    // Removes a document; no document is current afterwards.
    void remove(int index);

    // A binary list or project file that could not be read is never written
    // over, so the damaged file can still be repaired or recovered by hand.
    void fileDamaged(const std::string& path) { damaged_.insert(path); }
    void fileRead(const std::string& path) { damaged_.erase(path); }
    bool mayWrite(const std::string& path) const { return !damaged_.contains(path); }

private:
    std::vector<Document> documents_;
    int current_ = -1;
    std::set<std::string> damaged_;
};

}  // namespace quillo
