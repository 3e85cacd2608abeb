// The menu bars, built in code with their ids.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

struct menuentry {
    const char* label;
    int id;           // 0: separator; -1: a popup whose entries follow, up to its end (-2)
    bool check = false;
};

// "STOPMENU" (any case), "DERAruri" or "vdwmenu"; null with count 0 for other names.
const menuentry* menutable(const std::string& name, size_t& count);

}  // namespace platform
