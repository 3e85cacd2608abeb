#include "screen/popup.h"

#include <algorithm>
#include <new>

#include "base/objcount.h"
#include "platform/core/thread.h"
#include "screen/host.h"
#include "screen/palette.h"

namespace {

constexpr int popupclass = 79;
constexpr int colorcount = 7;
constexpr int defaultrole = 131;

struct placement {
    int16_t x, y, right, bottom;
    int16_t area[4];  // left, top, right, bottom
};
placement place{};
uint8_t colors[colorcount] = {};

// Left and right edge of the centring area along one axis.
void span(bool usearea, int16_t lo, int16_t hi, int size, int& from, int& to)
{
    from = 1;
    to = size;
    if (usearea && lo && hi) {
        from = lo;
        to = hi;
    }
    if (to - from + 1 < 5) {
        from = 1;
        to = size;
    }
}

}  // namespace

void setpopupx(int16_t column) { place.x = column; }
void setpopupy(int16_t row) { place.y = row; }
void setpopupwidth(int16_t right) { place.right = right ? right : int16_t(screencols()); }
void setpopupheight(int16_t bottom) { place.bottom = bottom ? bottom : int16_t(screenrows()); }

void setpopupdefaults(int16_t left, int16_t top, int16_t right, int16_t bottom)
{
    place.area[0] = left;
    place.area[1] = top;
    place.area[2] = right;
    place.area[3] = bottom;
}

void setpopupcolors(uint8_t text, uint8_t textback, uint8_t frame, uint8_t boxback, uint8_t title,
                    uint8_t legend, uint8_t footer)
{
    const uint8_t given[colorcount] = {text, textback, frame, boxback, title, legend, footer};
    for (int i = 0; i < colorcount; i++)
        if (given[i])
            colors[i] = given[i];
}

textplace textextent(const char* text)
{
    int left, right, top, bottom;
    span(!place.x && !place.right, place.area[0], place.area[2], screencols(), left, right);
    span(!place.y && !place.bottom, place.area[1], place.area[3], screenrows(), top, bottom);
    int aw = right - left + 1, ah = bottom - top + 1;
    int lines = 1, longest = 1, count = 0;
    for (const char* s = text ? text : ""; *s && lines < ah - 2; s++) {
        while (*s && *s != '\n' && *s != '\r' && count < aw - 2) {
            count++;
            s++;
        }
        longest = std::max(longest, count);
        if (!*s)
            break;
        if (*s != '\r')
            lines++;
        if (*s != '\n')
            count = 0;
        if (*s != '\n' && *s != '\r')
            s--;  // a long line continues with this character
    }
    int column = place.x ? std::min(int(place.x), screencols() - longest - 1)
                 : place.right ? std::max(place.right - 1 - longest, 1)
                               : left + (aw - 2 - longest) / 2;
    int row = place.y ? std::min(int(place.y), screenrows() - lines - 1)
              : place.bottom ? std::max(place.bottom - 1 - lines, 1)
                             : top + (ah - 2 - lines) / 2;
    return {int16_t(lines), int16_t(longest), int16_t(std::max(column, 1)), int16_t(std::max(row, 1))};
}

popup::popup(const char* text)
{
    objcount(popupclass);
    textplace p = textextent(text);
    place = {};
    int c[colorcount];
    for (int i = 0; i < colorcount; i++)
        c[i] = colors[i] ? colors[i] : colorof(defaultrole + i);
    std::fill(std::begin(colors), std::end(colors), 0);
    setboxcolors(c[2], c[3], c[4], c[5], c[6]);
    int16_t right = int16_t(p.column + p.columns + 1), bottom = int16_t(p.row + p.lines + 1);
    if (platform::iscomputingthread())
        makevisible(p.column, p.row, right, bottom, true);
    frame.reset(new (std::nothrow) boxframe(p.column, p.row, right, bottom));
    if (!frame)
        return;
    textcolor(c[0]);
    textbackground(c[1]);
    clrwindow(c[1]);
    gotoxy(1, 1);
    cputs(text);
}

popup::~popup()
{
    objcount(-popupclass);
}
