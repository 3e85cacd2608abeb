// The window thread's side of VEMO: start-up, the computing thread's
// start and end, the requests it sends (codes 3025 to 3050), the key,
// mouse and close rules, and the abort question.
#pragma once

#include "platform/core/front.h"

namespace msg {
constexpr int key = 3024;
constexpr int capture = 3025, release = 3026;
constexpr int caretshow = 3027, carethide = 3028, caretmove = 3029, caretcreate = 3030;
constexpr int threadended = 3031, movewindow = 3032;
constexpr int monotonyshow = 3033, monotonyclose = 3034;
constexpr int curvecreate = 3035, curvedestroy = 3036, curvefill = 3037;
constexpr int curvehide = 3038, curveshow = 3039;
constexpr int infocreate = 3040, infodestroy = 3041;
constexpr int panelcreate = 3042, paneldestroy = 3044;
constexpr int flushcells = 3045, setfocus = 3046, setcursor = 3047;
constexpr int panelhide = 3049, panelshow = 3050;
}

// Menu ids that the host handles itself.
namespace menuid {
constexpr int stop = 40042;
constexpr int autojump = 40064, argsvars = 40043, randomseed = 40044, textfile = 40053;
constexpr int printerfont = 40050, fontproperties = 40051, recognizer = 40052;
constexpr int nodatabase = 40056, priority = 40060, debugmenu = 40048;
constexpr int help = 40045, about = 40046;
constexpr int exitdebug = 40049, handles = 40032, snapshot = 40033, statusscreen = 40038;
constexpr int decontaminate = 40040;
}

// Window thread: a key of the main or an info window, by the rules of Esc
// and the abort question; with declinedescgoeson, an Esc whose abort was
// declined is posted.  False: not the program's key.
bool forwardkey(const platform::keydown& k, bool declinedescgoeson);

// Window thread: a menu item was chosen.
void menucommand(int id);

// Runs the program on a front: makes the main window, starts the
// computing thread, runs the window thread's loop.  Returns the exit
// status: the front's, or 4 when start-up failed.
int vemohost(platform::front& f);

// Computing thread: moves the main window so that the rectangle (client
// pixels, or cells when incells) lies on the desktop's work area; only
// while auto-jump is on.
void makevisible(int left, int top, int right, int bottom, bool incells);
// Auto-jump, switched by the user; on from the screen's start.
void setautojump(bool on);
bool autojump();
// Restores the main window and makes it the foreground window.
void tofront();

bool lauchthread2();
void cleanupthread2();
bool confirmabort();
long tgw40proc(int code, long a, long b);

// Handlers that the higher layers install for their request codes
// (3033 to 3050); a code without one does nothing and answers 0.
using requestfn = long (*)(long a, long b);
void setrequest(int code, requestfn fn);

// The cursor that mouse moves and 3047 set (any thread).
void setcurrentcursor(platform::cursorkind kind);
platform::cursorkind getcurrentcursor();
// Computing thread: puts the mouse pointer on a client pixel (X11 only).
void putpointer(int x, int y);

// The title: "VEMO   " and the current directory with a trailing "/",
// padded to 80 characters.
std::string maintitle();

// The host's event sink (window thread).
platform::hostevents& hostsink();
