#include "vemdraw/gifwriter.h"

#include <memory>

#include "platform/core/files.h"
#include "vemdraw/byteput.h"
#include "vemdraw/dibholder.h"
#include "vemdraw/lzwencoder.h"

// The smallest b with 2^b >= colours, at least 1.
static int colorbits(int colors)
{
    int b = 1;
    while ((1 << b) < colors && b < 8)
        b++;
    return b;
}

// Header, screen descriptor, global colour table and image descriptor.
static std::string gifhead(const dibholder& dib, int bits, bool interlaced)
{
    std::string s = "GIF87a";
    put16(s, dib.width());
    put16(s, dib.height());
    s += char(0xF0 | ((bits - 1) & 7));
    s += char(0);
    s += char(0);
    // The table's size is a power of two: entries past the palette are black.
    for (int i = 0; i < 1 << bits; i++) {
        rgbquad c = i < dib.colorsused() ? dib.palette()[i] : rgbquad{0, 0, 0, 0};
        s.append({char(c.red), char(c.green), char(c.blue)});
    }
    s += char(0x2C);
    s.append(4, char(0));
    put16(s, dib.width());
    put16(s, dib.height());
    s += char((interlaced ? 0x40 : 0) | ((bits - 1) & 7));
    return s;
}

static bool encodable(const dibholder& dib)
{
    return dib.state() == 2 && dib.bitcount() == 8 && dib.width() <= 65535 && dib.height() <= 65535;
}

// Encodes into out; spill as lzwencoder::run takes it.
static bool encode(const dibholder& dib, bool interlaced, std::string& out,
                   const std::function<bool(std::string&)>& spill)
{
    int bits = colorbits(dib.colorsused());
    out += gifhead(dib, bits, interlaced);
    auto encoder = std::make_unique<lzwencoder>();
    auto rows = [&](uint32_t y) { return dib.row(y); };
    if (!encoder->run(out, rows, dib.width(), dib.height(), bits, interlaced, spill))
        return false;
    out += char(0x3B);
    return true;
}

std::string gifbytes(const dibholder& dib, bool interlaced)
{
    std::string out;
    if (!encodable(dib) || !encode(dib, interlaced, out, {}))
        return {};
    return out;
}

uint64_t writegif(const dibholder& dib, const std::string& path, bool interlaced)
{
    if (!encodable(dib) || path.empty())
        return 0;
    atomicsave file(path);
    uint64_t written = 0;
    auto spill = [&](std::string& bytes) {
        written += bytes.size();
        bool ok = file.write(bytes);
        bytes.clear();
        return ok;
    };
    std::string out;
    if (!encode(dib, interlaced, out, spill) || !spill(out) || !file.commit())
        return 0;
    return written;
}
