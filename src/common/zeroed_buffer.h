#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

namespace quillo {

// A fixed-size byte buffer from calloc: the system hands out zero pages
// lazily, so the parts never written cost no memory.
class ZeroedBuffer {
public:
    explicit ZeroedBuffer(std::size_t size)
        : bytes_(static_cast<std::uint8_t*>(std::calloc(size, 1))), size_(size) {
        if (!bytes_) throw std::bad_alloc();
    }
    std::uint8_t* data() { return bytes_.get(); }
    const std::uint8_t* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }

private:
    struct Free {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t[], Free> bytes_;
    std::size_t size_;
};

}  // namespace quillo
