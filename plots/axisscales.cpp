#include "plots/axisscales.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "plots/screenmap.h"
#include "screen/graphics.h"
#include "screen/screen.h"

namespace {

// Tick walks are bounded: a budget of ticks is never more than a few
// hundred, and no walk may run away on rounding.
constexpr int maxticks = 10000;

// Index of the first tick x_i = first + (i - 1) s that is past b or meets
// the test; 0 when the walk passes b first.
template <class test>
int findtick(const tickplan& p, double b, test hit)
{
    double s = p.step();
    for (int i = 1; i <= maxticks; i++) {
        double x = p.first + (i - 1) * s;
        if (x > b)
            return 0;
        if (hit(x))
            return i;
    }
    return 0;
}

// The tick of the roundest value in a .. b: multiples of ever larger
// units (times 5 and 2 in turn) until at most one remains.
int roundesttick(const tickplan& p, double a, double b)
{
    double s = p.step(), u = p.unit, lo = 0, hi = s;
    for (int k = 0; hi - lo > s / 10 && k < 2000; k++) {
        lo = roundmultiple(a, u, 1);
        hi = roundmultiple(b, u, -1);
        u *= k % 2 == 0 ? 5 : 2;
    }
    if (std::fabs(hi - lo) >= s / 10)
        return 0;
    return findtick(p, b, [&](double x) { return std::fabs(x - lo) * 10 < s; });
}

// Precision digits from a double, clamped so that NaN and huge values
// never reach the conversion.
int digits(double d)
{
    return d >= 0 ? int(std::fmin(d, 20.0)) : 0;
}

std::string formatted(const char* format, int precision, double x)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, precision, x);
    return buffer;
}

struct axis {
    bool horizontal;
    double lo, hi;
    uint8_t text, back;
    int16_t offset;
};

int pixelof(const screenmap& m, const axis& a, double v)
{
    return a.horizontal ? m.worldtox(v) : m.worldtoy(v);
}

// A line across the rectangle at pixel p, beyond its bottom (x) or right
// (y) edge by length plus one pixel.
void tickline(const screenrect& r, const axis& a, int p, int length)
{
    if (a.horizontal) {
        gmoveto(p, r.top);
        glineto(p, r.bottom + length + 1);
    } else {
        gmoveto(r.left, p);
        glineto(r.right + length + 1, p);
    }
}

void ticks(const screenmap& m, const screenrect& r, const axis& a, const tickplan& plan, const scalestyle& st)
{
    setdrawcolor(st.tickcolour);
    int nextmajor = plan.firstmajor;
    double s = plan.step();
    for (int i = 1; i <= maxticks; i++) {
        double v = plan.first + (i - 1) * s;
        if (!(v < a.hi))
            break;
        bool major = i == nextmajor;
        if (major)
            nextmajor += plan.minors;
        int p = pixelof(m, a, v);
        if (p == 0)
            continue;
        tickline(r, a, p, major ? st.majorlength : st.minorlength);
        if (major)
            tickline(r, a, p - 1, st.majorlength);
        if (i == plan.zeroindex)
            tickline(r, a, p + 1, major ? st.majorlength : st.minorlength);
    }
}

void label(const screenmap& m, const screenrect& r, const axis& a, const tickplan& plan, int index, double step,
           bool eform, const scalestyle& st)
{
    int size = st.trianglesize;
    if (index <= 0)
        return;
    double v = index == plan.zeroindex ? 0.0 : plan.first + (index - 1) * plan.step();
    int p = pixelof(m, a, v);
    if (p == 0)
        return;
    std::string text = eform ? eformatlabel(v, step) : fformatlabel(v, step);
    int n = int(text.size());
    setdrawcolor(a.back);
    if (a.horizontal) {
        int y = r.bottom + a.offset;
        if (st.labelbottom > 0)
            y = std::min(y, st.labelbottom + 1 - smallcharheight());
        int x = std::max(int(r.left), p - n * smallcharwidth() / 2 - 1);
        if (n > 3)
            gtriangle(p, y - size, p - size, y, p + size, y);
        gtextout(x, y, a.text, a.back, text.c_str());
    } else {
        int x = r.right + a.offset;
        if (st.labelright > 0)
            x = std::min(x, st.labelright + 1 - gtextextent(text.c_str()));
        gtriangle(x - 1 - size, p, x - 1, p - size, x - 1, p + size);
        gtextout(x, p - smallcharheight() / 2, a.text, a.back, text.c_str());
    }
}

bool drawaxis(const screenmap& m, const screenrect& r, const axis& a, int n, const scalestyle& st, int parts)
{
    tickplan plan;
    if (!tickchoice(a.lo, a.hi, n, plan))
        return false;
    double count = std::floor((a.hi - plan.first) * plan.minors / plan.unit - 0.01) + 1;
    ticklabels labels = labelticks(plan, int(std::fmin(count, maxticks)) - 1);
    double extent = std::fmax(std::fabs(a.lo), std::fabs(a.hi));
    bool eform = labels.step >= 1e7 || extent < 1e-9;
    if (parts & scaleticks)
        ticks(m, r, a, plan, st);
    if (parts & scalelabels) {
        label(m, r, a, plan, labels.label1, labels.step, eform, st);
        label(m, r, a, plan, labels.label2, labels.step, eform, st);
    }
    return true;
}

}  // namespace

double roundmultiple(double a, double u, int mode)
{
    double c = std::ceil(a / u) * u;
    if (mode == 1)
        return c > a ? c : c + u;
    return c < a ? c : c - u;
}

bool tickchoice(double a, double b, int n, tickplan& p)
{
    double d = b - a, q = d / 1.1;
    if (!(q > 0) || !std::isfinite(d) || !std::isfinite(a))
        return false;
    double unit = 1.0;
    while (unit < q)
        unit *= 10;
    while (unit > q)
        unit /= 10;
    if (!(unit > 0))
        return false;
    double r = d / unit;
    int minors = 1;
    if (n > 2 * r) {
        minors = 2;
        if (n > 5 * r) {
            minors = 5;
            if (n > 10 * r)
                minors = 10;
        }
    }
    if (minors == 1) {
        unit *= 2;
        minors = 2;
    }
    p = tickplan{};
    p.unit = unit;
    p.minors = minors;
    double s = p.step(), major = roundmultiple(a, unit, 1);
    // A step that doubles cannot resolve at the range's ends gives no ticks.
    if (!(s > 0) || a + s == a || b - s == b)
        return false;
    // The first k with major - k s <= a, found arithmetically and settled
    // by a short walk.
    int k = int(std::fmax(0.0, std::fmin(std::floor((major - a) / s) - 1, maxticks)));
    while (major - k * s > a && k < maxticks + 2)
        k++;
    p.first = major - (k - 1) * s;
    p.firstmajor = k;
    if (a * b < 0)
        p.zeroindex = findtick(p, b, [&](double x) { return std::fabs(x) * 10 < s; });
    p.anchorindex = p.zeroindex ? p.zeroindex : roundesttick(p, a, b);
    return true;
}

ticklabels labelticks(const tickplan& p, int last)
{
    ticklabels t;
    t.step = p.unit;
    t.label1 = p.anchorindex ? p.anchorindex : p.firstmajor;
    int l1 = t.label1;
    if (l1 == 0)
        return t;
    int majors = 0, minorend = 0;
    if (2 * l1 <= last + 1) {
        majors = (last - l1) / p.minors;
        t.label2 = l1 + majors * p.minors;
        minorend = last > l1 ? last : 0;
    } else {
        majors = (l1 - 1) / p.minors;
        t.label2 = l1 - majors * p.minors;
        minorend = l1 > 1 ? 1 : 0;
    }
    if (majors == 0) {
        t.label2 = minorend;
        if (minorend)
            t.step = p.step();
    }
    return t;
}

std::string eformatlabel(double x, double step)
{
    if (x == 0.0)
        return "0";
    return formatted("%.*e", digits(std::ceil(-std::log10(step)) + std::floor(std::log10(std::fabs(x)))), x);
}

std::string fformatlabel(double x, double step)
{
    if (x == 0.0)
        return "0";
    return formatted("%.*f", digits(std::ceil(-std::log10(step))), x);
}

std::string resolutionlabel(double x, double range, int pixels)
{
    if (range < 0 || pixels < 10)
        return "";
    double f = 1.0;
    for (int k = 0; pixels * f < range && k < 700; k++)
        f *= 10;
    for (int k = 0; pixels * f > range && k < 700; k++)
        f /= 10;
    return f > 5e-8 && f < 5e6 ? fformatlabel(x, f) : eformatlabel(x, f);
}

bool drawaxisscales(const drect& w, const screenrect& r, const scalestyle& st, int parts)
{
    screenmap m(w, r);
    int old = setdrawcolor(st.tickcolour);
    bool ok = drawaxis(m, r, {true, w.left, w.right, st.xtextcolour, st.xbackcolour, st.xlabeloffset}, 30, st, parts)
              && drawaxis(m, r, {false, w.bottom, w.top, st.ytextcolour, st.ybackcolour, st.ylabeloffset}, 18, st,
                          parts);
    setdrawcolor(old);
    return ok;
}
