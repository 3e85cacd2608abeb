// The GTK 3 front (X11 backend): the main window with its menu bar and a
// drawing area that shows the screen surface, key and mouse translation,
// native message boxes.  Every call runs on the window thread.
#pragma once

#include "platform/core/front.h"
#include "platform/core/panels.h"

#include <atomic>
#include <map>
#include <string>
#include <vector>

typedef struct _GtkWidget GtkWidget;
typedef struct _GdkCursor GdkCursor;

namespace platform {

// A text of the program with "\n\r" and "\r" as single line breaks.
std::string boxtext(const std::string& text);

class gtkfront : public front {
public:
    // Starts GTK in the "C" numeric locale; false with a message when no
    // display can be opened.
    bool open(std::string& error);

    bool createwindow(const std::string& title) override;
    void settitle(const std::string& title) override;
    void destroywindow() override;
    int run() override;
    void quit(int status) override;
    void wake() override;
    void invalidate() override;

    void caretcreate(int width, int height) override;
    void caretdestroy() override;
    void caretmove(int x, int y) override;
    void caretvisible(bool on) override;
    void setcursor(cursorkind kind) override;
    void capture(bool on) override;
    void movewindow(int x, int y) override;
    void tofront() override;
    void focusmain() override;
    void desktop(int& width, int& height) override;
    void workarea(int& left, int& top, int& right, int& bottom) override;

    boxanswer messagebox(const std::string& text, const std::string& caption, boxbuttons buttons,
                         boxicon icon, bool owned) override;

    int rundialog(dialogtemplate& dialog) override;
    int modelesscreate(dialogtemplate& dialog) override;
    void modelessdestroy(int handle) override;
    void modelessshow(int handle, bool shown) override;
    void modelessrefill(int handle) override;
    std::unique_ptr<printjob> printdialog(const std::string& docname, bool landscape = false) override;
    std::string filedialog(bool save, const std::vector<filefilter>& filters, const std::string& directory,
                           const std::string& name) override;
    bool fontdialog(fontchoice& font, bool printer) override;
    int infocreate(const std::string& title, int x, int y, int width, int height) override;
    void infodestroy(int handle) override;
    void infoshow(int handle, bool shown, bool iconic) override;
    void infoinvalidate(int handle) override;
    bool infoiconic(int handle) override;
    bool infoposition(int handle, int& x, int& y) override;

    // Panels drawn in the drawing area over the surface (gtkpanels.cpp).
    int panelcreate(int x, int y, int width, int height) override;
    void paneldestroy(int handle) override;
    void panelshow(int handle, bool shown) override;
    void panelinvalidate(int handle) override;
    void warppointer(int x, int y) override;

    void monotonyshow(int unit) override;
    void monotonyclose() override;
    // F1 in the Monotony Test window.
    void monotonyhelp();

    void attachmenu(const std::string& name) override;
    void menuenable(int id, bool on) override;
    void menuenabletop(int position, bool on) override;
    void menucheck(int id, bool on) override;

    // The painted window of a one-thread program (gtkpaint.cpp).
    bool createpaintwindow(const std::string& title, const std::string& menu) override;
    void repaint() override;
    bool clientsize(int& width, int& height) override;
    bool frame(int& x, int& y, int& extrawidth, int& extraheight) override;
    void placewindow(int x, int y, int clientwidth, int clientheight) override;
    void present() override;
    // The system's default printer at 300 dpi on its default paper; without
    // one GTK's "Print to File" on the locale's paper with its margins.
    bool defaultprinter(printercaps& caps) override;
    void watch(int fd) override;
    void unwatch(int fd) override;
    bool onpaint(void* cr);
    void onwatch(int fd);

    // Event handlers (GTK callbacks).
    bool onkey(void* event, bool press);
    bool onbutton(void* event, bool press);
    bool onmotion(void* event);
    bool ondraw(void* cr);
    void onfocus(bool in);
    void onconfigure();
    void onmenu(GtkWidget* item);
    void onblink();
    void onrequests();
    void oninvalidate();
    // Window thread: ends the program as SIGTERM does; boxes that are up end
    // unanswered and later ones are not shown (gtkboxclose.cpp).
    void terminate();
    // True when the event closes the program under a box (and it did so).
    bool closesunderbox(void* event);

private:
    GtkWidget* additem(GtkWidget* menu, const char* label, int id, bool check = false);
    void caretarea();
    // Runs a dialog until it answers; the response.  The caller destroys it.
    int runmodal(GtkWidget* dialog);
    // Window sizes in GTK's units for device pixels, rounded up.
    int tological(int pixels) const;
    // Redraws a rectangle of the surface (device pixels).
    void queuearea(int left, int top, int right, int bottom);
    GtkWidget* infowindow(int handle) const;

    // The surface and the program's positions are in device pixels; GTK
    // counts in units of scale_ of them.
    int scale_ = 1;
    std::string name_;   // the program's name: the title of boxes without one
    GtkWidget* window_ = nullptr;
    GtkWidget* area_ = nullptr;
    GtkWidget* bar_ = nullptr;
    std::map<int, GtkWidget*> items_;
    std::map<GtkWidget*, int> ids_;
    std::map<int, bool> checked_;
    std::vector<GtkWidget*> tops_;
    std::map<int, GtkWidget*> infos_;
    panelset panels_;
    void queuepanel(int handle);
    GtkWidget* monotony_ = nullptr;
    int lastinfo_ = 0;
    bool settingcheck_ = false;
    int status_ = 0;
    bool looping_ = false;
    int boxes_ = 0;  // native boxes open: focus moves to them, not away
    std::vector<void*> loops_;   // the main loops of the open boxes
    bool closing_ = false;       // boxes are no longer shown
    // While on, the close button and Alt-F4 of the main window reach the
    // program while a box holds the grab, which would drop them.
    void watchclose(bool on);
    std::atomic<bool> wakepending_{false}, drawpending_{false};
    int caretx_ = 0, carety_ = 0, caretw_ = 0, careth_ = 0;
    bool caretexists_ = false, caretvisible_ = false, caretphase_ = true;
    unsigned blinktimer_ = 0;
    GdkCursor* cursors_[4] = {};
    void makecursors();
    std::map<int, unsigned> watches_;   // descriptor: its GLib source
};

}  // namespace platform
