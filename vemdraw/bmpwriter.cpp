#include "vemdraw/bmpwriter.h"

#include "platform/core/files.h"
#include "vemdraw/byteput.h"
#include "vemdraw/dibholder.h"

std::string bmpheader(const dibholder& dib)
{
    uint32_t offset = 54 + 4 * dib.colorsused();
    uint64_t size = dib.imagesize();
    std::string s = "BM";
    put32(s, uint32_t(offset + size));
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, dib.width());
    put32(s, dib.height());
    put16(s, 1);
    put16(s, dib.bitcount());
    put32(s, 0);
    put32(s, uint32_t(size));
    put32(s, 0);
    put32(s, 0);
    put32(s, dib.colorsused());
    put32(s, dib.colorsimportant());
    for (const rgbquad& c : dib.palette())
        s.append({char(c.blue), char(c.green), char(c.red), 0});
    return s;
}

uint64_t writebmp(const dibholder& dib, const std::string& path)
{
    if (dib.state() != 2 || path.empty())
        return 0;
    std::string header = bmpheader(dib);
    atomicsave file(path);
    if (!file.write(header))
        return 0;
    uint64_t size = dib.imagesize();
    if (!file.write(dib.memory(), size) || !file.commit())
        return 0;
    return header.size() + size;
}
