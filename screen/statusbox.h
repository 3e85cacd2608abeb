// The nesting progress panel in the screen's lower right corner: every
// computation opens a level with its message and closes it when done.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <memory>

#include "base/chain.h"
#include "screen/boxframe.h"
#include "screen/statusline.h"

class statusbox {
public:
    // The alternates replace the colour pair where they are not 0.
    statusbox(int16_t left, int16_t top, int16_t right, int16_t bottom, uint8_t text, uint8_t background,
              uint8_t alttext, uint8_t altbackground);
    ~statusbox();
    statusbox(const statusbox&) = delete;
    statusbox& operator=(const statusbox&) = delete;

    bool open();
    void close();
    // Opens a level and writes the text into it.
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Write into the current level; nothing while none is open.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void printv(const char* format, va_list args);
    bool step(int16_t n);
    void hide();
    bool show();
    void setcolors(uint8_t text, uint8_t background, uint8_t alttext, uint8_t altbackground);
    int panelcount() const { return panels.count; }
    int levelcount() const { return level; }
    // The panel of the current level; null while no level is open.
    statusline* currentpanel() const { return level ? current() : nullptr; }
    // Moves the cursor of the current level's panel.
    void setcursor(int16_t col, int16_t row);

    // Closes the level it opened on every way out of a block.
    class scope {
    public:
        scope(statusbox* box, const char* format, ...) __attribute__((format(printf, 3, 4)));
        ~scope();
        scope(const scope&) = delete;
        scope& operator=(const scope&) = delete;

    private:
        statusbox* box;
    };

    uint8_t textcolor, alttextcolor, background, altbackground;
    bool wrap = false, scroll = true;
    int16_t rows, columns;
    bool shown = false;
    bool inverse = false;
    int16_t hidecount = 0;
    int16_t level = 0;

private:
    int16_t left, top, right, bottom;
    chainof<statusline> panels;
    std::unique_ptr<boxframe> frame;

    statusline* current() const { return panels.at(level); }
    void takecolors(const statusline& p);
    void givecolors(statusline& p) const;
    void swapcolors();
    void redraw();
    void drawbox();
};

// The program's status box, made at the computing thread's start-up.
void makestatusbox();
void dropstatusbox();
statusbox* programstatus();
// "computing..." on the program's status box; the caller closes the level.
void msgcomputing();
