// The scripted front: no window system.  It plays the window thread: it
// runs the requests of the computing thread and, whenever that thread
// waits for a key with an empty queue, delivers the next script items
// through the host's key, mouse, menu and close rules.
#pragma once

#include "platform/core/front.h"
#include "platform/core/panels.h"
#include "platform/headless/script.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// What the program set on the menu bar since it was attached.
struct menurecord {
    std::string bar;
    std::map<int, bool> enabled, top, checked;
};

// An info window as the program made it.
struct inforecord {
    int handle;
    std::string title;
    int x, y, width, height;
    bool shown = false, iconic = false, open = true;
};

struct headlessoptions {
    std::string script;   // script file
    std::string out;      // folder for dumps
    int timeout = 60;     // seconds without progress, or after the script's end
    // Lenient (for random scripts): a box or dialog that the script leaves
    // unanswered takes yes or ok (a file, print or font dialog cancel), an
    // answer that fits nothing is passed over, every 200 ms of the
    // program's clock that a computation runs without reading a key it
    // takes the next item, and items left at the end are no error.
    bool lenient = false;
};

// Exit statuses of a run.
namespace exitstatus {
constexpr int normal = 0, usage = 2, script = 3, failed = 4;
}

// The name of the program that runs (vemo, vemdraw), for its messages.
const char* programname();

class headlessfront : public front {
public:
    // Reads and parses the script and makes the output folder; false with
    // a message when that fails.
    bool load(const headlessoptions& options, std::string& error);

    bool createwindow(const std::string& title) override;
    void settitle(const std::string& title) override { title_ = title; }
    void destroywindow() override;
    int run() override;
    void quit(int status) override;
    void wake() override;
    void invalidate() override {}

    void caretcreate(int width, int height) override {}
    void caretdestroy() override {}
    void caretmove(int x, int y) override {}
    void caretvisible(bool on) override {}
    void setcursor(cursorkind kind) override
    {
        if (cursor() != kind)
            cursors_.push_back(kind);
    }
    void capture(bool on) override {}
    void movewindow(int x, int y) override { moves_.push_back({x, y}); }
    void tofront() override {}
    void focusmain() override {}
    void desktop(int& width, int& height) override;
    void workarea(int& left, int& top, int& right, int& bottom) override;

    boxanswer messagebox(const std::string& text, const std::string& caption, boxbuttons buttons,
                         boxicon icon, bool owned) override;

    // <file NAME> prints on the virtual printer (pdfprinter.h) into that
    // PDF file (in the output folder unless the path is absolute), the
    // page turned when landscape is set; <cancel> cancels.
    std::unique_ptr<printjob> printdialog(const std::string& docname, bool landscape = false) override;
    std::string filedialog(bool save, const std::vector<filefilter>& filters, const std::string& directory,
                           const std::string& name) override;
    // <font NAME SIZE> picks that face at SIZE pixels high; <cancel> cancels.
    bool fontdialog(fontchoice& font, bool printer) override;

    int infocreate(const std::string& title, int x, int y, int width, int height) override;
    void infodestroy(int handle) override;
    void infoshow(int handle, bool shown, bool iconic) override;
    bool infoposition(int handle, int& x, int& y) override;
    bool infoiconic(int handle) override;

    // <text LINE> fills the first edit field and confirms; <ok>, <cancel>;
    // <dialog [NAME] ID=VALUE ... ok|cancel> sets fields by id.
    int rundialog(dialogtemplate& dialog) override;

    // Modeless dialogs: while one is open, <dialog NAME ID=VALUE ...
    // press=ID> acts on the open dialog of that name when the computing
    // thread waits for a key; <dump NAME> writes the values of each shown
    // one as NAME-DIALOGNAME.txt.
    int modelesscreate(dialogtemplate& dialog) override;
    void modelessdestroy(int handle) override;
    void modelessshow(int handle, bool shown) override;

    // The Monotony Test window as a model; <dump NAME> writes its client
    // area as NAME-monotony.png while it is open.
    void monotonyshow(int unit) override;
    void monotonyclose() override { monotonyunit_ = 0; }

    // Panels are painted over the surface in NAME.png; NAME.txt ends with
    // a line for each shown panel, and one for the cursor unless it is
    // the arrow.
    int panelcreate(int x, int y, int width, int height) override { return panels_.create(x, y, width, height); }
    void paneldestroy(int handle) override { panels_.destroy(handle); }
    void panelshow(int handle, bool shown) override { panels_.show(handle, shown); }
    void warppointer(int x, int y) override { warps_.push_back({x, y}); }
    const panelset& panels() const { return panels_; }
    cursorkind cursor() const { return cursors_.empty() ? cursorkind::arrow : cursors_.back(); }
    // Where the pointer was put, in order.
    const std::vector<std::pair<int, int>>& warps() const { return warps_; }
    bool monotonyopen() const { return monotonyunit_ > 0; }
    int monotonyshows() const { return monotonyshows_; }

    void attachmenu(const std::string& name) override
    {
        menu_ = menurecord();
        menu_.bar = name;
    }
    void menuenable(int id, bool on) override { menu_.enabled[id] = on; }
    void menuenabletop(int position, bool on) override { menu_.top[position] = on; }
    void menucheck(int id, bool on) override { menu_.checked[id] = on; }

    // The painted window of a one-thread program: a client area of 800 x
    // 600 until placed, without frame or menu bar; the script's items are
    // delivered one after another, the watched descriptors polled between
    // them; <dump NAME> writes the
    // painted client area as NAME.png and the title, the enabled menu ids
    // and the boxes shown as NAME.txt.
    bool createpaintwindow(const std::string& title, const std::string& menu) override;
    bool clientsize(int& width, int& height) override;
    bool frame(int& x, int& y, int& extrawidth, int& extraheight) override;
    void placewindow(int x, int y, int clientwidth, int clientheight) override;
    void present() override { ++presents_; }
    // The virtual A4 printer (pdfprinter.h), unless set off.
    bool defaultprinter(printercaps& caps) override;
    void setprinter(bool on) { printer_ = on; }
    void watch(int fd) override;
    void unwatch(int fd) override;
    int presents() const { return presents_; }

    const std::string& title() const { return title_; }
    // The texts of the boxes shown, in order (tests read them).
    const std::vector<std::string>& boxes() const { return boxes_; }
    const menurecord& menu() const { return menu_; }
    // Every info window made, in order.
    const std::vector<inforecord>& infos() const { return infos_; }
    // The cursors set, in order, each change once.
    const std::vector<cursorkind>& cursors() const { return cursors_; }
    // Where the window was moved to, in order.
    const std::vector<std::pair<int, int>>& moves() const { return moves_; }

private:
    void step();
    void feedkeys();
    void busyblock();
    void armhold();
    bool deliver(const scriptitem& item);
    void mouse(const scriptitem& item, mouseaction action);
    // False, with a message, when a file cannot be written.
    bool dump(const std::string& name);
    // The script's answer to a box or dialog, or none (an error) when the
    // next item is not one.
    const scriptitem* answer(const std::string& what);
    void error(const std::string& text);
    // A script error unless lenient.
    void complain(const std::string& text);
    // Lenient: the next item into a computation that reads no key.
    void typeintobusy();
    int answerdialogitem(dialogtemplate& dialog);
    // Ends the run as a failure of the program (status 4).
    void fail();
    bool atend() const { return next_ >= items_.size(); }
    void progress();
    static void signal();
    static void pollmouse();

    std::vector<scriptitem> items_;
    size_t next_ = 0;
    size_t armed_ = size_t(-1);  // the <busy> item the hold was armed for
    std::string out_;
    std::string title_;
    std::vector<std::string> boxes_;
    std::vector<std::pair<int, int>> moves_;
    std::vector<cursorkind> cursors_;
    menurecord menu_;
    std::vector<inforecord> infos_;
    panelset panels_;
    std::vector<std::pair<int, int>> warps_;
    std::string dumpsuffix() const;
    bool writeimage(const std::string& path);
    struct modelessrecord {
        int handle;
        dialogtemplate* dialog;
        bool shown;
    };
    std::vector<modelessrecord> modeless_;
    int lastmodeless_ = 0;
    // A <dialog NAME ...> item for an open modeless dialog: true when it
    // was one (acted on, or an error).
    bool delivermodeless(const scriptitem& item);
    bool dumpmodeless(const std::string& base);
    int monotonyunit_ = 0;     // 0 while the window is closed
    int monotonyshows_ = 0;
    inforecord* info(int handle);
    void deliverinfo(const scriptitem& item);
    long long timeoutms_ = 60000;
    long long lastprogress_ = 0;
    long steps_ = 0;           // items used so far
    bool ended_ = false;       // the script is used up and the window closed
    bool window_ = false;
    bool done_ = false;
    bool lenient_ = false;
    bool holding_ = false;     // lenient: a hold is armed for typeintobusy
    int status_ = exitstatus::normal;
    bool release_ = false;     // the release of a click is due
    scriptitem clicked_;

    int runpainted();
    void deliverpainted(const scriptitem& item);
    bool paintdump(const std::string& name);
    void pollwatched();
    bool painted_ = false;
    bool printer_ = true;
    int paintwidth_ = 800, paintheight_ = 600;
    int framex_ = 0, framey_ = 0;
    int presents_ = 0;
    std::vector<int> watched_;

    std::mutex lock_;
    std::condition_variable event_;
    bool signalled_ = false;
};

}  // namespace platform
