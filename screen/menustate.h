// The menu and busy state: the enabled and checked state of six menu
// items in step with what the computing thread does, how deeply
// computations are nested, whether STOP may be used, and the abort flag
// that long computations poll.  The window thread reads it in its key
// rules and sets the abort flag.
#pragma once

#include <atomic>
#include <cstdint>

struct menuitem {
    int32_t id;
    int16_t position;
    bool baritem;
    bool enabled;
    bool checked;
};

constexpr int menuitemcount = 6;

// The help item, disabled while a help box is open.
constexpr int helpmenuitem = 39998;

// Run mode of the main loop: 0 waiting for a command, 2 running one.
extern std::atomic<int> runmode;

class menustate {
public:
    // Computing thread.
    void enable(int id);
    void disable(int id);
    void apply();
    void applyall();
    void setmode();
    void busybegin();
    void busyend();
    void disablestop();
    void resetbusy();
    void clearflags();
    // The live table back to the defaults (a new main window).
    void defaults();

    // Any thread.
    bool stopallowed() const { return busycount > 0 && !stopdisabled; }
    bool aborted() const { return abortflag; }
    menuitem item(int id) const;

    // What the check marks of 40043, 40056 and 40064 show; unset: checked.
    using checkfn = bool (*)();
    void setchecksource(int id, checkfn fn);

    std::atomic<int> busycount{0};
    std::atomic<bool> abortflag{false};
    std::atomic<bool> stopdisabled{false};

private:
    struct table {
        menuitem items[menuitemcount];
    };
    table desired() const;
    void change(table& want, int id, bool on);
    void setbusymenus(table& want);
    void setmodemenus(table& want);
    void applyto(const table& want, bool force);

    table live_ = defaulttable();
    std::atomic<checkfn> checks_[menuitemcount] = {};
    static table defaulttable();
};

// The one instance; it lives for the whole process, so the window thread
// may read it at any time.
menustate& menus();

// Not inside nested computations or evaluations, and not stopping.
bool isidle();
