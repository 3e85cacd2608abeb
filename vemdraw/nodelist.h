// An intrusive list that owns its nodes: appended at the end in constant
// time, destroyed head first.
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

private:
    listnode* head = nullptr;
    listnode* tail = nullptr;
};
