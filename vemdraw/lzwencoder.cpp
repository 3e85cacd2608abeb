#include "vemdraw/lzwencoder.h"

#include <algorithm>

void codewriter::put(uint32_t code, int count)
{
    bits |= uint64_t(code & ((1u << count) - 1)) << pending;
    pending += count;
    while (pending >= 8) {
        block[filled++] = uint8_t(bits);
        bits >>= 8;
        pending -= 8;
        if (filled == 255)
            emit();
    }
}

void codewriter::flush()
{
    if (pending > 0) {
        block[filled++] = uint8_t(bits);
        bits = 0;
        pending = 0;
    }
    if (filled > 0)
        emit();
}

void codewriter::emit()
{
    out += char(filled);
    out.append(reinterpret_cast<const char*>(block), filled);
    filled = 0;
}

uint32_t lzwencoder::interlacerow(uint32_t r, uint32_t height)
{
    uint32_t r1 = ((height - 1) >> 3) + 1, r2 = ((height - 1) >> 2) + 1, r3 = ((height - 1) >> 1) + 1;
    if (r < r1)
        return 8 * r;
    if (r < r2)
        return 8 * (r - r1) + 4;
    if (r < r3)
        return 4 * (r - r2) + 2;
    return 2 * (r - r3) + 1;
}

void lzwencoder::inittable()
{
    for (uint32_t i = 0; i < roots; i++) {
        firstchild[i] = 0;
        character[i] = uint8_t(i);
    }
}

void lzwencoder::resettable()
{
    std::fill(firstchild, firstchild + roots, 0);
}

uint16_t lzwencoder::findchild(uint16_t prefix, uint8_t c) const
{
    for (uint16_t code = firstchild[prefix]; code; code = nextsibling[code])
        if (character[code] == c)
            return code;
    return 0;
}

// The new string prefix + c takes code next, appended after prefix's
// other children.
void lzwencoder::addentry(uint16_t prefix, uint8_t c)
{
    character[next] = c;
    firstchild[next] = 0;
    nextsibling[next] = 0;
    uint16_t code = firstchild[prefix];
    if (!code) {
        firstchild[prefix] = next;
        return;
    }
    while (nextsibling[code])
        code = nextsibling[code];
    nextsibling[code] = next;
}

uint64_t lzwencoder::run(std::string& out, const rowsource& rows, uint32_t width, uint32_t height, int codesize,
                         bool interlaced, const std::function<bool(std::string&)>& spill)
{
    if (width == 0 || height == 0)
        return 0;
    int mincode = std::max(2, codesize), w0 = mincode + 1, w = w0;
    roots = 1u << mincode;
    clear = roots;
    end = clear + 1;
    next = uint16_t(clear + 2);
    inittable();
    uint64_t spilled = 0;
    size_t start = out.size();
    out += char(mincode);
    codewriter writer(out);
    int prefix = -1;
    for (uint32_t r = 0; r < height; r++) {
        const uint8_t* p = rows(interlaced ? interlacerow(r, height) : r);
        for (uint32_t x = 0; x < width; x++) {
            uint8_t c = p[x];
            if (prefix < 0) {
                prefix = c;
                continue;
            }
            if (uint16_t child = findchild(uint16_t(prefix), c)) {
                prefix = child;
                continue;
            }
            writer.put(prefix, w);
            addentry(uint16_t(prefix), c);
            if (next == 1u << w)
                w++;
            if (++next == 4095) {
                resettable();
                writer.put(clear, w);
                w = w0;
                next = uint16_t(clear + 2);
            }
            prefix = c;
        }
        if (spill && out.size() - start > (1u << 20)) {
            spilled += out.size() - start;
            if (!spill(out))
                return 0;
            start = out.size();
        }
    }
    writer.put(prefix, w);
    // A decoder widens its codes after the last data code too.
    if (next == 1u << w && w < 12)
        w++;
    writer.put(end, w);
    writer.flush();
    out += char(0);
    return spilled + out.size() - start;
}
