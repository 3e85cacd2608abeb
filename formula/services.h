// Services that other parts of the program provide to the compiler,
// through the hooks of formula/hooks.h: the function database, the object
// family, the busy scope and the status line (screen/evalhooks.cpp).
#pragma once

#include <string>

class fu;
class namesused;

// The function database (in use while one exists and its assistance is
// on) while the resolver uses it: whether it is in use,
// how many versions it knows for a name and counts in the current library,
// and whether it lists that library for them.
bool databaseinuse();
int databaseversions(const char* name, int argc, int valuecount);
bool databaselists(int library, const char* name, int argc, int valuecount);
// For the diagnostics: flags the argument counts it knows for the name and
// value count (the number of versions visited), and a value count it
// knows for the name (0 when none).
int databasecollect(const char* name, int valuecount, namesused& names);
int databasevalues(const char* name);

// Object family: the display name, the origin
// library, and the implementation (pass mode 4: the fingerprint operation
// instead).
std::string fullname(const fu* object);
int originlibrary(const fu* object);
bool implementcomponent(fu* object, int passmode);

// A busy scope of the menu state (menus disabled, STOP enabled) and a
// scoped status line of the status box; both do nothing until the host
// installs its hooks.
struct busyhooks {
    void (*begin)() = nullptr;
    void (*end)() = nullptr;
    // open gives false when nothing was shown, and then close is not called.
    bool (*open)(const char* text) = nullptr;
    void (*close)() = nullptr;
};
void setbusyhooks(const busyhooks& hooks);

struct busyscope {
    busyscope();
    ~busyscope();
    busyscope(const busyscope&) = delete;
    busyscope& operator=(const busyscope&) = delete;
};
struct statusscope {
    explicit statusscope(const std::string& text);
    ~statusscope();
    statusscope(const statusscope&) = delete;
    statusscope& operator=(const statusscope&) = delete;

private:
    bool opened = false;
};

