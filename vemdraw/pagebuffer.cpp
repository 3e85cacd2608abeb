#include "vemdraw/pagebuffer.h"

#include <sys/mman.h>

bool pagebuffer::allocate(uint64_t bytes)
{
    reset();
    if (bytes == 0 || bytes > SIZE_MAX)
        return false;
    void* p = mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (p == MAP_FAILED)
        return false;
    data_ = static_cast<uint8_t*>(p);
    size_ = bytes;
    return true;
}

void pagebuffer::reset()
{
    if (data_)
        munmap(data_, size_t(size_));
    data_ = nullptr;
    size_ = 0;
}
