// An intrusive list that owns its nodes: appended at the end, destroyed
// head first.
#pragma once

#include "base/listnode.h"

#include <cstdint>

class nodelist {
public:
    nodelist() = default;
    nodelist(const nodelist&) = delete;
    nodelist& operator=(const nodelist&) = delete;
    ~nodelist() { removeall(); }

    void append(listnode* node);
    void removeall();
    listnode* first() const { return head; }

    uint32_t count = 0;
    listnode* head = nullptr;
    uint32_t scratch = 0;   // the count of the last append's walk
};
