// The 80 by 30 text screen: metrics and fonts, cursor and text window,
// colours, caret, clearing, scrolling and text output.  Positions are
// 1-based cells (column, row), pixel positions 0-based; colours are palette
// indices (screen/palette.h).  Every call runs on the computing thread, except
// the repaint (screen/tgwscreen.h).
#pragma once

#include <cstdarg>
#include <string>

#include "platform/core/draw.h"

class font;

// Start and metrics.
void screeninit(const char* commandline);
void screendone();
// Collects up to count words after the switch letter ("-x" or "/x") into
// newly allocated texts that the caller frees; -1 when the switch is absent.
int getoption(char letter, const char* commandline, int count, char** words);
// "-p h", "-p i", else normal: the process's priority class; false with
// the reason when the system refused (raising needs privileges).
bool setpriority(const char* commandline, std::string& error);

const font& textfont();
const font& graphicfont();
bool fontisoem();
bool fontisansi();
int charwidth();
int charheight();
int smallcharwidth();
int smallcharheight();
int screencols();
int screenrows();
int screenpixwidth();
int screenpixheight();

struct cellpos {
    int x, y;
};
struct cellrect {
    int left, top, right, bottom;  // inclusive
};
pixelpoint celltopixel(int x, int y);
pixelrect cellrecttopixel(int x1, int y1, int x2, int y2);  // both upper-left corners
int pixeltocellx(int p);
int pixeltocelly(int p);
cellpos pixeltocell(int px, int py);
cellrect pixelrecttocells(int left, int top, int right, int bottom);
cellrect pixelrecttoinnercells(int left, int top, int right, int bottom);
bool cellvalid(int x, int y);
bool cellonscreen(int x, int y);

// Cursor and window.
void window(int left, int top, int right, int bottom);
cellrect getwindow();
void gotoxyabs(int x, int y);
void gotoxy(int x, int y);
int wherex();
int wherey();
int wherexwin();
int whereywin();
int cellstowindowend();
int cursorrightn(int n);
int cursornext();
int cursorprev();
int cursorupn(int n);
int cursordownn(int n);
bool newline();
int newlineifneeded();
int pushcursor();
int popcursor();

// Colours.
void textcolor(int i);
void textbackground(int i);
int gettextcolor();
int getbkcolor();

// Caret.
void caretoff();
void careton();
void caretfreeze();
void caretthaw();
void caretshow();
void carethide();
void caretshape(int shape);  // 1 bar, 0 underline
struct caretstate {
    bool on;
    int hidecount;
    int shape;
};
caretstate getcaret();
void setcaret(const caretstate& c);
// The caret's pixel position for the front.
pixelpoint caretpixel();

// Clearing and scrolling; colour 0 or an invalid index means the background.
void fillcells(int x1, int y1, int x2, int y2, int colour);
void clreol(int colour, int n);
void clrline(int colour, int n);
void clrscr(int colour);
void clrwindow(int colour);
void scrollup(int n);
void repaintmain();

// Text output.
void cputs(const char* text);
int cprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
int vcprintf(const char* format, va_list args);
// cprintf in that text colour (which stays set).
int colorprintf(int colour, const char* format, ...) __attribute__((format(printf, 2, 3)));
void writeat(const char* text, int x, int y, int textcolour, int background);
void recolorcells(int x, int y, int n, int textcolour, int background);
void putchars(unsigned char c, int count, int step);
void putcharat(unsigned char c, int count, int step);
void putch(unsigned char c);
void putchnext(unsigned char c);
void nowrap();
void wrap();
char* strjoin(const char* left, const char* right, int width, char* destination);

// The shared text buffer (3000 bytes) for formatted output.
char* textbuffer();
