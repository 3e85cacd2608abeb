#include "screen/editops.h"

#include <algorithm>
#include <cstring>

#include "screen/clipboard.h"
#include "screen/linestate.h"
#include "screen/msgbox.h"

namespace {

// Makes room for n characters at the cursor.
void openat(int p, int n)
{
    linestate& e = edit();
    char* t = e.text.get();
    memmove(t + p - 1 + n, t + p - 1, size_t(e.length - p + 1));
    e.length += n;
}

void removeat(int p, int n)
{
    linestate& e = edit();
    char* t = e.text.get();
    memmove(t + p - 1, t + p - 1 + n, size_t(e.length - p - n + 1));
    e.length -= n;
}

int cursorlimit(int p)
{
    return std::min(p, edit().maxlen);
}

}  // namespace

bool typechar(unsigned char c, bool insert)
{
    linestate& e = edit();
    bool append = e.cursor > e.length;
    if ((insert || append) && e.length >= e.maxlen)
        return false;
    if (insert) {
        openat(e.cursor, 1);
        for (int& a : e.anchor)
            if (a >= e.cursor)
                a++;
    } else if (append) {
        e.length++;
    }
    e.text[e.cursor - 1] = char(c);
    e.cursor = cursorlimit(e.cursor + 1);
    return true;
}

void deletechar()
{
    linestate& e = edit();
    if (e.cursor > e.length)
        return;
    removeat(e.cursor, 1);
    for (int& a : e.anchor)
        if (a > e.cursor)
            a--;
}

void deleteblock()
{
    linestate& e = edit();
    if (!hasblock()) {
        msgstyle(1);
        msgbox("\n no block to delete \n", 600);
        return;
    }
    int start = blockstart(), end = std::min(blockend(), e.length + 1);
    removeat(start, end - start);
    e.cursor = start;
    removeblock();
}

void copyblock(int n)
{
    linestate& e = edit();
    if (!hasblock()) {
        msgstyle(1);
        msgbox("\n Copy to clipboard: \n\r why don't you first mark a block (use <shift><arrow> combinations) \n");
        return;
    }
    int start = blockstart(), end = std::min(blockend(), e.length + 1);
    if (textclipboard(n).clipset(e.text.get() + start - 1, end - start))
        okbox(200);
}

void insertclip(const clipboard& c)
{
    linestate& e = edit();
    if (c.clipempty()) {
        msgstyle(1);
        msgbox("\n Clipboard is empty \n", 400);
        return;
    }
    long n = c.cliplength();
    if (e.length + n > e.maxlen) {
        tell("\n Insufficient space for inserting %ld characters ! \n\r", n);
        return;
    }
    openat(e.cursor, int(n));
    memcpy(e.text.get() + e.cursor - 1, c.cliptext(), size_t(n));
    e.anchor[0] = e.cursor;
    e.anchor[1] = e.cursor + int(n);
    e.marking = false;
    e.cursor = cursorlimit(e.cursor + int(n));
}

void cuttail()
{
    linestate& e = edit();
    e.length = e.cursor - 1;
    for (int& a : e.anchor)
        a = std::min(a, e.cursor);
}

void cuthead()
{
    linestate& e = edit();
    int n = e.cursor - 1;
    removeat(1, n);
    for (int& a : e.anchor)
        if (a > 0)
            a = std::max(a - n, 1);
    e.cursor = 1;
}
