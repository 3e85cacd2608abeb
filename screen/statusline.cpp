#include "screen/statusline.h"

#include <algorithm>
#include <cstdio>

#include "base/limits.h"
#include "base/objcount.h"
#include "screen/screen.h"
#include "screen/uiutil.h"

namespace {
constexpr int statuslineclass = 17;
}

statusline::statusline(int16_t r, int16_t c) : lines(size_t(std::max<int16_t>(r, 1))), rows(r), columns(c)
{
    objcount(statuslineclass);
    clear();
}

statusline::~statusline()
{
    objcount(-statuslineclass);
}

void statusline::clear()
{
    for (std::string& l : lines)
        l.clear();
    col = row = 1;
}

void statusline::fill()
{
    std::string& l = lines[size_t(row - 1)];
    if (col <= columns && int(l.size()) < col - 1)
        l.append(size_t(col - 1) - l.size(), ' ');
}

void statusline::setpos(int16_t c, int16_t r)
{
    col = std::clamp<int16_t>(c, 1, int16_t(columns + 1));
    row = std::clamp<int16_t>(r, 1, rows);
    fill();
}

void statusline::printv(const char* format, va_list args)
{
    vsnprintf(textbuffer(), limits::textbuffersize, format, args);
    write(textbuffer());
}

bool statusline::newline()
{
    std::string& l = lines[size_t(row - 1)];
    l.resize(std::min(l.size(), size_t(col - 1)));
    if (row == rows) {
        if (!scroll)
            return false;
        std::rotate(lines.begin(), lines.begin() + 1, lines.end());
        lines.back().clear();
    } else {
        row++;
    }
    if (col > columns)
        col = 1;
    fill();
    return true;
}

bool statusline::write(const char* text)
{
    bool ok = true;
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(text); *s && ok; s++) {
        if (col > columns && (!wrap || !newline()))
            break;
        if (*s == '\n') {
            ok = newline();
        } else if (*s == '\r') {
            col = 1;
        } else {
            std::string& l = lines[size_t(row - 1)];
            l.resize(size_t(col - 1), ' ');
            l += char(isprintable(*s) ? *s : ' ');
            col++;
        }
    }
    std::string& l = lines[size_t(row - 1)];
    l.resize(std::min(l.size(), size_t(col - 1)));
    return ok;
}

bool statusline::copy(const statusline& source)
{
    if (columns < source.columns || rows < source.rows)
        return false;
    for (size_t i = 0; i < source.lines.size(); i++)
        lines[i] = source.lines[i].substr(0, size_t(columns));
    textcolor = source.textcolor;
    alttextcolor = source.alttextcolor;
    background = source.background;
    altbackground = source.altbackground;
    wrap = source.wrap;
    scroll = source.scroll;
    col = source.col;
    row = source.row;
    return true;
}

void statusline::draw(int left, int top) const
{
    for (int i = 1; i <= rows; i++)
        writeat(lines[size_t(i - 1)].c_str(), left + 1, top + i, textcolor, background);
}
