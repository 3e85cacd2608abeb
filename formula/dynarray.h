// A growable array.  A fresh array holds one element; an index out of
// range gives element 0.  Growing by k adds max(k, capacity / 8, growth)
// places; elements are moved over (pointers copied, records transferred).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

#include "base/objcount.h"

template <class T>
class dynarray {
public:
    dynarray()
    {
        objcount(157);
        data = new (std::nothrow) T[1]();
        capacity = count = data ? 1 : 0;
    }
    dynarray(const dynarray&) = delete;
    dynarray& operator=(const dynarray&) = delete;
    ~dynarray()
    {
        delete[] data;
        objcount(-157);
    }

    T& at(uint32_t i) { return data[i < count ? i : 0]; }
    const T& at(uint32_t i) const { return data[i < count ? i : 0]; }

    bool reserve(uint32_t n) { return n <= capacity || grow(n - capacity); }
    bool resize(uint32_t n)
    {
        if (!reserve(n))
            return false;
        count = n;
        return true;
    }
    bool append(const T& p)
    {
        if (!resize(count + 1))
            return false;
        data[count - 1] = p;
        return true;
    }
    // Sorts elements a to b inclusive when a < b < count.
    void sort(uint32_t a, uint32_t b, int (*compare)(const void*, const void*))
        requires std::is_trivially_copyable_v<T>
    {
        if (b < count && a < b)
            std::qsort(data + a, b - a + 1, sizeof(T), compare);
    }

    T* data;
    uint32_t capacity;
    uint32_t count;
    uint32_t growth = 10;

private:
    bool grow(uint32_t k)
    {
        uint32_t extra = std::max({k, capacity / 8, growth});
        if (extra > UINT32_MAX - capacity)
            return false;
        T* bigger = new (std::nothrow) T[capacity + extra]();
        if (!bigger)
            return false;
        for (uint32_t i = 0; i < count; i++)
            bigger[i] = std::move(data[i]);
        delete[] data;
        data = bigger;
        capacity += extra;
        return true;
    }
};
