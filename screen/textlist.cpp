#include "screen/textlist.h"

#include <algorithm>
#include <cstring>

#include "screen/screen.h"

namespace {

int samekey(int key)
{
    return key;
}

}  // namespace

textlistkeyfn textlistkeyhook = nullptr;
textlisthelpfn textlisthelphook = nullptr;

void resettextlisthooks()
{
    textlistkeyhook = samekey;
    textlisthelphook = showlisthelp;
}

textlist::textlist(int16_t left, int16_t top, int16_t right, int16_t bottom, char** lines_, int32_t first,
                   int32_t last, int16_t prefix_)
    : list2way(left, top, right, bottom, first, last), lines(lines_), prefix(prefix_)
{
    if (!textlistkeyhook)
        textlistkeyhook = samekey;
    if (!textlisthelphook)
        textlisthelphook = showlisthelp;
}

textlist::~textlist()
{
    textlisthelphook = showlisthelp;
}

void textlist::formatline()
{
    const char* text = lines && lines[current] ? lines[current] + prefix : "";
    size_t n = strnlen(text, size_t(std::max<int>(width, 0)));
    memcpy(linebuf.get(), text, n);
    linebuf[n] = 0;
}

void textlist::filterkey(int& key)
{
    key = textlistkeyhook(key);
}

void textlist::otherkey(int& key)
{
    if (key == 315)
        textlisthelphook();
}

void textlist::enterkey(int&)
{
    resettextlisthooks();
}

textpage::textpage()
{
    split = true;
    setbounds(0, 0, 0, 0);
}

textpage::textpage(const textpage& other)
    : linelist(other), left(other.left), top(other.top), right(other.right), bottom(other.bottom)
{
}

void textpage::setbounds(int16_t l, int16_t t, int16_t r, int16_t b)
{
    int cols = screencols(), rows = screenrows();
    left = 1, top = 1, right = int16_t(cols), bottom = int16_t(rows);
    if (l >= 1 && l < cols - 1)
        left = l;
    if (r > left + 1 && r <= cols)
        right = r;
    if (t >= 1 && t < rows - 1)
        top = t;
    if (b > top + 1 && b <= rows)
        bottom = b;
    maxlength = int16_t(right - left - 1);
}

int16_t textpage::show(int16_t start)
{
    int n = count, w = widest;
    int x = std::max<int>(left, (right - 1 - w) / 2 + 1);
    int y = std::max<int>(top, top + (bottom - top + 1 - n) / 2);
    int r = x + w + 1 < right ? x + w + 1 : right;
    int b = y + n < bottom ? y + n : bottom;
    textlist list(int16_t(x), int16_t(y), int16_t(r), int16_t(b), lines, 1, n - 1, prefixbytes);
    if (list.bad)
        return 0;
    list.showfrom(std::min(int(start), n - 1));
    list.run();
    return int16_t(list.current);
}
