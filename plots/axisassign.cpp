#include "plots/axisassign.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "calculator/calculator.h"
#include "calculator/rknames.h"
#include "plots/fastplot.h"
#include "plots/windowcmds.h"
#include "screen/boxsettings.h"
#include "screen/helptopics.h"
#include "screen/infowin.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/screen.h"

namespace {
constexpr int delkey = 339;

infoholder& helpholder()
{
    static infoholder holder;
    return holder;
}
}  // namespace

axislist::axislist(int n, const rkshape& shape)
    : list2way(int16_t(screencols() - 35), 10, int16_t(screencols()), int16_t(screenrows()), 0, n - 1, 3,
               " <x> <y> assign to x/y-axis\n\r <+> <-> increase, decrease number\n\r <enter> done           <F1> "
               "help",
               14, 1, 8, 15, 16, 3),
      numbers(size_t(n), 0),
      axes(size_t(n), 0),
      shape(shape)
{
}

void axislist::formatline()
{
    std::string name = rkcolname(current + 1, shape, 8);
    size_t i = size_t(current);
    if (numbers[i])
        linef(" %-8s    %c-axis of curve %-3d", name.c_str(), axes[i], numbers[i]);
    else
        linef(" %-8s     not assigned  ", name.c_str());
}

void axislist::filterkey(int& key)
{
    if (key == key::f1)
        helpparaplot(helpholder());
    else if (key == key::shiftf1)
        helpmouseframe(helpholder());
    else
        return;
    key = '#';
}

void axislist::otherkey(int& key)
{
    size_t i = size_t(current);
    int k = key < 256 ? std::tolower(key) : key;
    if (k == 'x' || k == 'y') {
        if (!numbers[i]) {
            numbers[i] = freenumber(char(k));
            axes[i] = char(k);
        } else if (axes[i] == k) {
            numbers[i] = 0;
        } else {
            axes[i] = char(k);
        }
    } else if ((k == '+' || k == '-') && numbers[i]) {
        numbers[i] = uint16_t(numbers[i] + (k == '+' ? 1 : -1));
    } else if (k == delkey) {
        numbers[i] = 0;
    } else {
        return;
    }
    redraw();
    key = 0;
}

uint16_t axislist::freenumber(char letter) const
{
    for (uint16_t k = 1; k <= uint16_t(last); ++k) {
        bool used = false;
        for (size_t i = 0; i < numbers.size(); ++i)
            used = used || (numbers[i] == k && axes[i] == letter);
        if (!used)
            return k;
    }
    return 0;
}

int countmarked(const uint8_t* marks, int n)
{
    int count = 0;
    for (int i = 1; i <= n; ++i)
        count += marks[i] != 0;
    return count;
}

int checkassignment(const char* axes, uint16_t* numbers, int n)
{
    int highest = n > 0 ? *std::max_element(numbers, numbers + n) : 0;
    if (highest > n)
        return 0;
    std::vector<uint8_t> marks(size_t(highest) + 1, 0);
    for (int i = 0; i < n; ++i)
        marks[numbers[i]] = 1;
    for (int i = 0; i < n; ++i)
        if (numbers[i])
            numbers[i] = uint16_t(countmarked(marks.data(), numbers[i]));
    int m = countmarked(marks.data(), highest);
    std::vector<int> xs(size_t(m) + 1, 0), ys(size_t(m) + 1, 0);
    for (int i = 0; i < n; ++i)
        if (numbers[i])
            ++(axes[i] == 'x' ? xs : ys)[numbers[i]];
    bool lacking = false, multiple = false;
    for (int k = 1; k <= m; ++k) {
        lacking = lacking || !xs[size_t(k)] || !ys[size_t(k)];
        multiple = multiple || xs[size_t(k)] > 1 || ys[size_t(k)] > 1;
    }
    if (m > 0 && !lacking && !multiple)
        return m;
    msgbuffer b(0, 0, 0, 0, 2048);
    msgstyle(1);
    b.addf("\n Invalid assignment pattern: \n\n\r");
    if (lacking || m == 0)
        b.addf(" - Not all curves have both axes assigned \n\r");
    if (multiple)
        b.addf(" - Multiple assignments to one axis \n\r");
    b.addf("\n <e>      resume editing \n\r <esc>    cancel \n\r");
    int k = b.show();
    b.hide();
    return k == 'e' || k == 'E' || k == key::enter ? -1 : 0;
}

namespace {

// The window question after the assignment; false cancels.
bool choosewindow(drect& w)
{
    for (;;) {
        msgbuffer b(0, 0, 0, 0, 2048);
        setboxtitle(" Parametric Plot Setup ");
        b.addf("\n Axis assignments are complete. As to the coordinate \n\r window, choose one of the following "
               "options: \n\n\r");
        b.addf(" <enter>  automatic window generation \n\r <e>      input / edit window borders \n\r");
        if (!w.isempty())
            b.addf(" <o>      same window as of old plot: \n\n\r %15g <= x <= %15g \n\r %15g <= y <= %15g \n\r",
                   w.left, w.right, w.bottom, w.top);
        b.addf("\n <esc>    cancel \n\r");
        int k = b.show();
        b.hide();
        if (k == key::f1) {
            helpparaplot(helpholder());
            continue;
        }
        k = k < 256 ? std::tolower(k) : k;
        if (k == key::enter)
            w = drect{};
        else if (k == key::esc)
            return false;
        else if (k == 'e')
            return inputwindow(w) && !w.isempty();
        return true;
    }
}

}  // namespace

bool parametricsetup(calculator& c, plotspec& spec, drect& w)
{
    int n = c.valuecount();
    if (n < 1)
        return false;
    int m = 0;
    std::vector<uint16_t> numbers;
    std::vector<char> axes;
    {
        setboxtitle(" Define Axis Assignments ");
        axislist list(n, c.shape());
        while (m <= 0) {
            list.redraw();
            list.run();
            if (listkey == key::esc)
                return false;
            m = checkassignment(list.axes.data(), list.numbers.data(), n);
            if (m == 0)
                return false;
        }
        numbers = list.numbers;
        axes = list.axes;
    }
    auto* pairs = new (std::nothrow) uint32_t[size_t(m)]();
    if (!pairs)
        return false;
    for (int i = 0; i < n; ++i) {
        if (!numbers[size_t(i)])
            continue;
        uint32_t& p = pairs[numbers[size_t(i)] - 1];
        p = axes[size_t(i)] == 'x' ? (p & 0xffff0000u) | uint32_t(i) : (p & 0xffffu) | uint32_t(i) << 16;
    }
    if (spec.owns)
        delete[] spec.pairs;
    spec.owns = 1;
    spec.pairs = pairs;
    spec.count = uint16_t(m);
    spec.type = plottype::parametric;
    return choosewindow(w);
}
