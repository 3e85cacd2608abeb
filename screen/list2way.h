// The scrolling list from which every list of the program derives.  The
// list holds no lines: a derived class formats line `current` on demand.
#pragma once

#include <cstdint>
#include <memory>

#include "screen/listbox.h"

// The key that the list loop is dispatching (0 before the first) and the
// current line at that moment; callers read them after run returns.
extern int16_t listkey;
extern int32_t listline;

// The key that stands for "no key" as the first key of run.
constexpr int nokey = -110;

class list2way {
public:
    list2way(int16_t left, int16_t top, int16_t right, int16_t bottom, int32_t first, int32_t last,
             int16_t legendrows = 0, const char* legend = nullptr, uint8_t frame1 = 0, uint8_t frame2 = 0,
             int normalfg = 0, int normalbg = 0, int highlightfg = 0, int highlightbg = 0);
    virtual ~list2way();
    list2way(const list2way&) = delete;
    list2way& operator=(const list2way&) = delete;

    // Slot 0: the text of line `current` into linebuf (up to screen columns
    // characters beyond width; the list cuts at width).
    virtual void formatline() = 0;
    // Slot 1: (n, n) before line n is drawn, (from, to) before the bar moves.
    virtual void lineshown(int32_t a, int32_t b);
    // Slot 3: may rewrite a key before the loop dispatches it.
    virtual void filterkey(int& key);
    // Slot 4: every key the loop does not handle.
    virtual void otherkey(int& key);
    // Slot 5: Enter; leaving the key at 13 ends run with the current line.
    virtual void enterkey(int& key);

    void showtop();
    void showend();
    void showfrom(int32_t n);
    void redraw();
    bool lineup();
    bool linedown();
    // The key loop; the first key may be nokey.  The current line on Enter,
    // 0 on Esc or for a bad list.
    int32_t run(int key = nokey);

    // After an edit in place that ended with key: Up and Down move the bar,
    // the page is redrawn.  True when the line under the bar is to be
    // edited next.
    bool stepedit(int key);
    // Line n formatted and cut at width, in linebuf; current is left at n.
    const char* textof(int32_t n);
    // The first line from .. to (downward when to < from) that holds the
    // search text, into line; false when none.  current is unchanged.
    bool find(int32_t from, int32_t to, int32_t& line);

    listcolors colors;
    int32_t first, last;
    std::unique_ptr<char[]> linebuf;
    std::unique_ptr<char[]> search;
    bool bad = false;
    int32_t current;
    int16_t width = 0, pagelen = 0;
    std::unique_ptr<listbox> box;

protected:
    // Formats into linebuf, never beyond its end (for formatline).
    void linef(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Bytes of linebuf: width + screen columns + 1.
    int bufsize = 0;

private:
    void drawcurrent(bool attop);
    void cutline();
    void drawpage(int32_t top);
    void scrollpage(bool down, int& delay);
    void gotoline();
    void findtext();
    void findnext(bool forward);
};

// The general list help (Alt-F1 in every list).
void showlisthelp();
