#include "vemdraw/dialogtext.h"

#include "vemdraw/messages.h"

#include "platform/core/front.h"

#include <charconv>
#include <cmath>

using platform::controlkind;
using platform::dialogcontrol;

dialogcontrol control(int id, controlkind kind, const char* label)
{
    dialogcontrol c;
    c.id = id;
    c.kind = kind;
    c.label = label;
    if (kind == controlkind::edit)
        c.limit = 40;
    return c;
}

dialogcontrol spincontrol(int id, int buddy, int low, int high, int number)
{
    dialogcontrol c = control(id, controlkind::spin);
    c.buddy = buddy;
    c.low = low;
    c.high = high;
    c.number = number;
    return c;
}

bool readnumber(const std::string& text, double& value)
{
    std::string t = text.substr(0, 40);
    size_t i = t.find_first_not_of(" \t");
    if (i == std::string::npos)
        return false;
    if (t[i] == '+')
        ++i;
    double v = 0;
    auto [end, error] = std::from_chars(t.data() + i, t.data() + t.size(), v);
    if (error != std::errc() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

void markradios(platform::dialogtemplate& t, std::initializer_list<int> ids, size_t chosen)
{
    size_t k = 0;
    for (int id : ids)
        if (dialogcontrol* c = t.control(id); c && ++k)
            c->checked = k - 1 == chosen;
}

void enable(platform::dialogtemplate& t, std::initializer_list<int> ids, bool on)
{
    for (int id : ids)
        if (dialogcontrol* c = t.control(id))
            c->enabled = on;
}

int runmodal(platform::dialogtemplate& t)
{
    platform::front* f = platform::currentfront();
    if (!f)
        return 2;
    modalscope open;
    return f->rundialog(t);
}
