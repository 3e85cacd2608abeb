// What a front (the GTK window or the script runner) gives the program, and
// what the host gives the front.  Every front call runs on the window
// thread unless it says "any thread".
#pragma once

#include "platform/core/dialog.h"
#include "platform/core/draw.h"
#include "platform/core/keydown.h"

#include <cairo.h>

#include <memory>

#include <string>
#include <vector>

namespace platform {

enum class cursorkind { arrow, pen, help, wait };
enum class boxbuttons { ok, okcancel, yesno, yesnocancel };
enum class boxicon { none, information, exclamation, stop };
enum class boxanswer { none = 0, ok = 1, cancel = 2, yes = 6, no = 7 };
enum class mouseaction { move, press, release };
enum class mousebutton { none, left, right };

// A named group of file patterns ("*.rkp") of a file chooser.
struct filefilter {
    std::string name;
    std::vector<std::string> patterns;
};

struct printercaps;

// A print job on the printer the user picked: cairo drawing in the
// printer's device pixels, origin at the printable area's corner.
class printjob {
public:
    virtual ~printjob() = default;
    virtual cairo_t* context() = 0;
    // Printable area in device pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual bool startpage() = 0;
    virtual bool endpage() = 0;
    // Ends the document; false when it could not be completed.
    virtual bool finish() = 0;
    // The chosen printer's device values for the upright paper; false
    // when unknown.
    virtual bool caps(printercaps& c) const { return false; }
    // The page is turned (the printable area's sides exchanged).
    virtual bool landscape() const { return false; }
};

// A printer's device values for the upright paper: resolution, the
// printable area in whole mm and in pixels, the paper in pixels and the
// printable area's corner on it.
struct printercaps {
    int dpix = 0, dpiy = 0;
    int widthmm = 0, heightmm = 0;
    int width = 0, height = 0;
    int paperwidth = 0, paperheight = 0;
    int offsetx = 0, offsety = 0;
};

// A font as the font dialog reads and writes it (pixels).
struct fontchoice {
    std::string face;
    int height = 0;
    int width = 0;
    int weight = 400;
};

class front {
public:
    virtual ~front() = default;

    // The main window at the main surface's size, with the menu "STOPMENU".
    virtual bool createwindow(const std::string& title) = 0;
    virtual void settitle(const std::string& title) = 0;
    // Destroys the main window; run() then returns the status of quit().
    virtual void destroywindow() = 0;
    virtual int run() = 0;
    virtual void quit(int status) = 0;

    // Any thread: requests wait (see requests.h); the front calls
    // runrequests() on the window thread soon, also inside nested loops.
    virtual void wake() = 0;
    // Any thread: the surface has dirty rectangles to show.
    virtual void invalidate() = 0;

    // Caret: drawn over the surface, never part of it.
    virtual void caretcreate(int width, int height) = 0;
    virtual void caretdestroy() = 0;
    virtual void caretmove(int x, int y) = 0;
    virtual void caretvisible(bool on) = 0;

    virtual void setcursor(cursorkind kind) = 0;
    virtual void capture(bool on) = 0;
    virtual void movewindow(int x, int y) = 0;
    virtual void tofront() = 0;
    virtual void focusmain() = 0;
    // Desktop size and work area in screen pixels; client origin on screen.
    virtual void desktop(int& width, int& height) = 0;
    virtual void workarea(int& left, int& top, int& right, int& bottom) = 0;

    // Modal native box; owned by the main window when owned is set.  Text
    // and caption are UTF-8; lines are separated by "\n" ("\n\r" is read
    // as one line break); without a caption the box shows the program's name.
    virtual boxanswer messagebox(const std::string& text, const std::string& caption,
                                 boxbuttons buttons, boxicon icon, bool owned) = 0;

    // The print dialog, owned by the main window, its page turned when
    // landscape is set: a job named docname, or none when cancelled.
    virtual std::unique_ptr<printjob> printdialog(const std::string& docname, bool landscape = false)
    {
        return nullptr;
    }
    // The file chooser, owned by the main window: opening an existing file
    // (filters first to last, the first chosen) or naming one to save
    // (name the initial name; the caller asks about overwriting), starting
    // in directory.  The chosen path, empty when cancelled.
    virtual std::string filedialog(bool save, const std::vector<filefilter>& filters, const std::string& directory,
                                   const std::string& name) { return {}; }
    // The font dialog on fixed-pitch fonts (the printer's when printer is
    // set); the choice is the initial value and the result.  False: cancelled.
    virtual bool fontdialog(fontchoice& font, bool printer) { return false; }

    // A modal dialog from its template, owned by the main window; the
    // edit fields' values are written back.  The id of the button that
    // ended it (1 OK, 2 Cancel).
    virtual int rundialog(dialogtemplate& dialog) { return 2; }

    // A modeless dialog from its template, transient for the main window;
    // the template stays the caller's until modelessdestroy.  Its logic
    // runs here, on the window thread, with each event; a result above 0
    // closes it (the position kept in the template when keepposition).  A
    // handle above 0, or 0.  Show or hide it; refill shows the template's
    // values again.
    virtual int modelesscreate(dialogtemplate& dialog) { return 0; }
    virtual void modelessdestroy(int handle) {}
    virtual void modelessshow(int handle, bool shown) {}
    virtual void modelessrefill(int handle) {}

    // Info windows: small text windows owned by the main window, at a
    // screen position with a client size; handles are above 0.  Their
    // painting, keys and closing reach the host (hostevents::info...).
    virtual int infocreate(const std::string& title, int x, int y, int width, int height) { return 0; }
    virtual void infodestroy(int handle) {}
    virtual void infoshow(int handle, bool shown, bool iconic) {}
    virtual void infoinvalidate(int handle) {}
    virtual bool infoiconic(int handle) { return false; }
    // Screen position of the client area's corner; false for no window.
    virtual bool infoposition(int handle, int& x, int& y) { return false; }

    // The Monotony Test window (platform/core/monotony.h) at squares of
    // unit pixels: shown, or repainted with the values published now, and
    // brought to the front; closed.
    virtual void monotonyshow(int unit) {}
    virtual void monotonyclose() {}

    // Panels (panels.h) over the main window's client area at client
    // pixels; handles are above 0.  Their painting and presses reach the
    // host (hostevents::panel...).
    virtual int panelcreate(int x, int y, int width, int height) { return 0; }
    virtual void paneldestroy(int handle) {}
    virtual void panelshow(int handle, bool shown) {}
    virtual void panelinvalidate(int handle) {}
    // Puts the mouse pointer on a client pixel where the window system
    // lets a program do that (X11).
    virtual void warppointer(int x, int y) {}

    // Menu bar of the main window ("STOPMENU" or "DERAruri", menus.h):
    // items by id, top-level popups by position.
    virtual void attachmenu(const std::string& name) = 0;
    virtual void menuenable(int id, bool on) = 0;
    virtual void menuenabletop(int position, bool on) = 0;
    virtual void menucheck(int id, bool on) = 0;

    // A resizable main window that the program paints (hostevents::paint)
    // with the menu bar of that name; false when it cannot be made.
    virtual bool createpaintwindow(const std::string& title, const std::string& menu) { return false; }
    // The painted window is drawn again soon.
    virtual void repaint() {}
    // Client size of the main window in pixels; false without one.
    virtual bool clientsize(int& width, int& height) { return false; }
    // The frame's position on screen and what frame and menu bar add to
    // the client size; false without a window.
    virtual bool frame(int& x, int& y, int& extrawidth, int& extraheight) { return false; }
    // Restores a maximised main window, puts its frame at x, y and sizes
    // its client area.
    virtual void placewindow(int x, int y, int clientwidth, int clientheight) {}
    // Brings the main window to the front as restoring it from an icon does.
    virtual void present() {}
    // The default printer's device values; false when there is none.
    virtual bool defaultprinter(printercaps& caps) { return false; }
    // A descriptor watched on the window thread: hostevents::readable runs
    // when it can be read, also while a box of the program is open.
    virtual void watch(int fd) {}
    virtual void unwatch(int fd) {}
};

// What the host does with the window's events (window thread).
class hostevents {
public:
    virtual ~hostevents() = default;
    // False: the key is not the program's; the front does its default
    // (Alt-F4 runs close()).
    virtual bool key(const keydown& k) = 0;
    // False when the text font cannot show the typed character ch (its key
    // is swallowed).
    virtual bool cantype(int ch) const = 0;
    virtual void mouse(mouseaction action, mousebutton button, int x, int y) = 0;
    virtual void close() = 0;            // the close button, Alt-F4, the script
    // SIGTERM, SIGINT: as close, without asking about a computation.
    virtual void terminate() { close(); }
    virtual void command(int id) = 0;    // a menu item
    virtual void focus(bool in) = 0;
    // The window moved: screen positions of the client area's and of the
    // frame's upper-left corners.
    virtual void moved(int clientx, int clienty, int framex, int framey) = 0;
    // Info windows: paint the client area, a key (false: not the
    // program's), the close button.
    virtual void infopaint(int handle, const canvas& c) {}
    virtual bool infokey(int handle, const keydown& k) { return false; }
    virtual void infoclose(int handle) {}
    // Panels: paint one (its own pixels, origin at its corner); a button
    // pressed on it and the release after that, in its pixels.
    virtual void panelpaint(int handle, const canvas& c) {}
    virtual void panelmouse(int handle, mouseaction action, mousebutton button, int x, int y) {}
    // Any thread: a computation is under way.
    virtual bool busy() const = 0;
    // The painted main window: draw the client area of that size on cr;
    // its size changed.
    virtual void paint(cairo_t* cr, int width, int height) {}
    virtual void sized(int width, int height) {}
    // A watched descriptor can be read.
    virtual void readable(int fd) {}
};

// The front in use and the host that receives its events.
front* currentfront();
void setfront(front* f);
hostevents* currenthost();
void sethost(hostevents* h);

// Any thread: the window thread is the one that called setwindowthread().
void setwindowthread();
bool iswindowthread();

}  // namespace platform
