// The menu of an object's components that hold code: one key per
// component; each chosen component's code listing is shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class parser;
class slotcomp;

class componentmenu {
public:
    static constexpr int classnumber = 97;

    explicit componentmenu(int16_t capacity);
    ~componentmenu();
    componentmenu(const componentmenu&) = delete;
    componentmenu& operator=(const componentmenu&) = delete;

    // Ignored when full.
    void add(char key, const char* name, parser* code);
    // A component of a composite object, only when it holds code.
    void add(char key, const slotcomp* component);
    // No entry: says so and returns 0; one: its listing, 1; several: a
    // menu until Esc or Enter, which is returned.
    int run();

    struct entry {
        char key = 0;
        std::string name;
        parser* code = nullptr;
    };
    int16_t capacity;
    int16_t count = 0;
    bool failed = false;
    std::unique_ptr<entry[]> entries;
    std::string caption;   // the owning object's display name
};

// The code listing of a current component that holds code.
bool showslotcode(const slotcomp* component);
