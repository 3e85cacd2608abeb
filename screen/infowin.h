// Info windows: small windows of text near a cell of the text screen.
// The computing thread makes and deletes them; the window thread paints
// them, forwards their keys and deletes one closed from its title bar.
// The list is guarded by a lock, so either thread may change it.
#pragma once

#include "platform/core/draw.h"
#include "platform/core/keydown.h"

#include <cstdint>
#include <string>

class infowin {
public:
    infowin(const char* text, int column, int row, const char* tag);
    virtual ~infowin();

    infowin* next = nullptr;
    bool iconic = false;
    int window = 0;
    int16_t charwidth = 0, lineheight = 0;
    int16_t columns = 0, lines = 0;
    uint32_t background = 0;   // 0x00BBGGRR
    std::string text;
    const char* tag;

    void paint(const canvas& c) const;
};

// Size of a text in characters: at most maxcolumns + 2 wide, maxrows - 2
// lines (see infowin's layout).
void infolayout(const std::string& text, int maxcolumns, int maxrows, int& columns, int& lines);

void infoclose(const char* tag);
void infodrop(infowin* w);
void infohideall();
void infoshowall();
// How many info windows are open.
int infocount();
// Line spacing of the info font, 0 to 5 pixels.
void setinfospacing(int pixels);

void setinfotitle(const char* text);
void setinfobk(uint32_t colorref);
void setinfobkindex(int index);

// Window thread: the info window's events.
void infopaint(int window, const canvas& c);
bool infokey(int window, const platform::keydown& k);
void infowmclose(int window);

// Keeps one window so that it opens again where the user left it.  It
// finds its window by handle, so a window closed from its title bar
// leaves nothing behind.
class infoholder {
public:
    ~infoholder() { close(); }
    void hold(infowin* w);
    infowin* get() const;
    void close();

    int window = 0;
    int lastcolumn = 0, lastrow = 0;
};

// While it lives, every info window is hidden.
class infohidden {
public:
    infohidden() { infohideall(); }
    ~infohidden() { infoshowall(); }
    infohidden(const infohidden&) = delete;
    infohidden& operator=(const infohidden&) = delete;
};
