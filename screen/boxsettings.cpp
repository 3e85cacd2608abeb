#include "screen/boxsettings.h"

#include <cstring>

#include "screen/palette.h"

namespace {

constexpr size_t textmax = 160;

boxsettings settings{};

void copycut(char* out, const char* text, size_t max)
{
    strncpy(out, text, max);
    out[max] = 0;
}

}  // namespace

boxsettings& pendingbox()
{
    return settings;
}

void setboxtitle(const char* text)
{
    copycut(settings.caption, text ? text : "", textmax);
}

void setboxcolors(int frame, int background, int title, int legend, int footer)
{
    int given[5] = {frame, background, title, legend, footer};
    for (int i = 0; i < 5; i++)
        if (colorvalid(given[i]))
            settings.colors[i] = given[i];
}

void setfootertext(const char* text)
{
    if (!text || !*text) {
        settings.footerpending = false;
        return;
    }
    copycut(settings.footer, text, textmax);
    settings.footerpending = true;
}

void setfootercode(int code)
{
    static const char* const footers[] = {
        " Close with <esc> ",         " Press <esc> to cancel ", " <enter> done <esc> cancel ",
        " Press any Key ",            " Press <F1> for help ",   " Press <F1> for more help ",
    };
    if (code == 4)
        setfootertext(nullptr);
    else if (code >= 7 && code <= 12)
        setfootertext(footers[code - 7]);
}

void eschint(int n)
{
    static const char* const hints[] = {
        " press <esc> to quit ",
        " <esc> will cancel ",
        " press <esc> to cancel ",
        " <esc> or <enter> will cancel ",
    };
    if (n >= 1 && n <= 4)
        setfootertext(hints[n - 1]);
}

void setboxlegend(const char* text)
{
    copycut(settings.legend, text ? text : "", sizeof settings.legend - 1);
}
