// A fixed-capacity ring of records, newest first: a push moves the head
// one place down (from 0 to the last place) and stores there, so reading
// from the head upwards gives the records newest first.
#pragma once

#include <cstdint>
#include <new>

template <class Record>
class ringbuf {
public:
    explicit ringbuf(uint32_t capacity)
        : records(new (std::nothrow) Record[capacity]), capacity(records ? capacity : 0),
          allocfailed(records == nullptr)
    {
    }
    ~ringbuf() { delete[] records; }
    ringbuf(const ringbuf&) = delete;
    ringbuf& operator=(const ringbuf&) = delete;

    void clear() { count = head = 0; }
    void push(const Record& r)
    {
        if (capacity == 0)
            return;
        head = head == 0 ? capacity - 1 : head - 1;
        records[head] = r;
        ++count;
    }
    // The i-th newest record (0: the newest); i below held().
    const Record& newest(uint32_t i) const { return records[(head + i) % capacity]; }
    uint32_t held() const { return count < capacity ? count : capacity; }

    Record* records;
    uint32_t capacity;
    uint32_t count = 0;   // pushes since the last clear; may exceed capacity
    uint32_t head = 0;
    bool allocfailed;
};
