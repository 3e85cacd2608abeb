// The panel layout arithmetic.
#include "plots/panellayout.h"

#include <algorithm>

namespace {

// A bitmap button is its bitmap plus a border of 1 (nothing without it).
pixelsize buttonsize(pixelsize b, int border = 2)
{
    if (b.w <= 0 || b.h <= 0)
        return {};
    return {b.w + border, b.h + border};
}

void setbutton(panellayout& l, int id, int x, int y, int w, int h)
{
    l.button[id] = {std::max(x, 0), std::max(y, 0), w, h};
}

struct sizes {
    pixelsize a, o, p, lft, e, d, u, logo;
};

void placetop(panellayout& l, const sizes& s, int screenw)
{
    constexpr int g = panellayout::g;
    setbutton(l, 5, g, g, s.a.w, s.a.h);
    setbutton(l, 4, 3 * g + s.a.w, g + (s.a.h - s.o.h) / 2, s.o.w, s.o.h);
    setbutton(l, 3, 5 * g + s.a.w + s.o.w, g, s.p.w, s.p.h);
    int row = l.ch + 3 * g;
    int x1 = l.b1.x, x2 = l.b2.x;
    setbutton(l, 6, x1 + g, row, s.lft.w, s.lft.h);
    setbutton(l, 7, x1 + s.lft.w + 2 * g, row, s.lft.w, s.lft.h);
    setbutton(l, 8, x1 + 2 * s.lft.w + 3 * g, row, s.e.w, s.e.h);
    setbutton(l, 9, x1 + 2 * s.lft.w + s.e.w + 4 * g, row, s.e.w, s.e.h);
    setbutton(l, 10, x2 + g, row, 2 * s.e.w, s.e.h);
    setbutton(l, 11, x2 + 2 * s.e.w + 2 * g, row, s.d.w, s.d.h);
    setbutton(l, 12, x2 + 2 * s.e.w + s.d.w + 3 * g, row, s.e.w, s.e.h);
    setbutton(l, 13, x2 + 3 * s.e.w + s.d.w + 4 * g, row, s.e.w, s.e.h);
    int right = screenw - l.top.x;
    setbutton(l, 14, right - g - s.e.w, g, s.e.w, s.e.h);
    setbutton(l, 15, right - 4 * g - s.e.w - s.logo.w, g, s.logo.w, s.logo.h);
}

void placeside(panellayout& l, const sizes& s)
{
    constexpr int g = panellayout::g;
    panelpoint m{g, l.h2 / 2};
    panelpoint q = clipboardtab(l);
    panelpoint down{q.x + (l.tw - s.lft.h) / 2, q.y + l.th + g};
    panelpoint up{down.x, down.y - (l.th + 2 * g + s.lft.w)};
    setbutton(l, 24, down.x, down.y, s.lft.h, s.lft.w);
    setbutton(l, 25, down.x, down.y + s.lft.w + g, s.lft.h, s.u.h);
    setbutton(l, 22, up.x, up.y, s.lft.h, s.lft.w);
    setbutton(l, 21, up.x, up.y - (g + s.u.h), s.lft.h, s.u.h);
    setbutton(l, 23, m.x + g + l.tw, m.y + (l.th - s.lft.h) / 2, s.lft.w, s.lft.h);
    setbutton(l, 26, q.x + (l.tw - s.e.w) / 2, s.e.h + (l.topabove ? 0 : l.h1), s.e.w, s.e.h);
}

}

panellayout computepanellayout(const panelmetrics& m)
{
    constexpr int g = panellayout::g;
    sizes s{buttonsize(m.axes), buttonsize(m.zeroone), buttonsize(m.print), buttonsize(m.left),
            buttonsize(m.erase), buttonsize(m.draw), buttonsize(m.upup), buttonsize(m.logo, 4)};
    panellayout l;
    l.ch = m.ch;
    l.lw = s.lft.w;
    l.tw = 3 * m.cw + 6;
    l.th = std::max(m.ch + 4, static_cast<int>(l.tw * 0.7));
    l.h1 = std::max({s.lft.h, s.e.h, s.d.h}) + m.ch + 5 * g;
    l.w2 = s.lft.w + 2 * (2 * g + l.tw);
    l.b1 = {9 * g + s.a.w + s.o.w + s.p.w, g};
    l.b2 = {l.b1.x + 2 * (s.e.w + s.lft.w) + 10 * g, g};
    l.e = {l.b2.x + 4 * s.e.w + s.d.w + 6 * g, 0};
    l.topabove = l.w2 + l.e.x >= m.screenw - g - s.e.w;
    if (l.topabove) {
        l.top = {0, 0};
        l.w1 = m.screenw;
        l.side = {0, l.h1};
        l.h2 = m.screenh - l.h1;
    } else {
        l.side = {0, 0};
        l.h2 = m.screenh;
        l.top = {l.w2, 0};
        l.w1 = m.screenw - l.w2;
    }
    l.plotarea = {l.w2 + 1, l.h1 + 1, m.screenw - 5 - (l.w2 + 1), m.screenh - 5 - (l.h1 + 1)};
    placetop(l, s, m.screenw);
    placeside(l, s);
    return l;
}

panelpoint clipboardtab(const panellayout& l)
{
    return {3 * panellayout::g + l.lw + l.tw, l.h2 / 2};
}

panelpoint tabposition(const panellayout& l, int n, int current, bool clipboardshown, bool insertbefore)
{
    int s = l.th + panellayout::ts;
    int base = l.h2 / 2;
    if (clipboardshown)
        base += insertbefore ? s / 2 : -s / 2;
    if (n >= current) {
        int y = base + s * (n - current);
        return y < l.h2 ? panelpoint{panellayout::g, y} : panelpoint{};
    }
    int up = s * (current - n);
    return up < base ? panelpoint{panellayout::g, base - up} : panelpoint{};
}

bool panelhit(const panellayout& l, int x, int y, int n, int current, bool clipboardshown, bool insertbefore)
{
    panelpoint p = n == 0 ? clipboardtab(l) : tabposition(l, n, current, clipboardshown, insertbefore);
    if (n != 0 && p.x == 0 && p.y == 0)
        return false;
    return panelbox{p.x, p.y, l.tw, l.th}.contains(x, y);
}
