// Large zeroed memory mapped with its pages already present: the first
// touch of a fresh page is a fault of its own, which costs more than the
// drawing of an export.
#pragma once

#include <cstddef>
#include <cstdint>

class pagebuffer {
public:
    pagebuffer() = default;
    ~pagebuffer() { reset(); }
    pagebuffer(const pagebuffer&) = delete;
    pagebuffer& operator=(const pagebuffer&) = delete;

    // bytes of zeros; false (empty) when they cannot be mapped.
    bool allocate(uint64_t bytes);
    void reset();
    uint8_t* data() const { return data_; }
    uint64_t size() const { return size_; }

private:
    uint8_t* data_ = nullptr;
    uint64_t size_ = 0;
};
