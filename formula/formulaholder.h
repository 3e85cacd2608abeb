// A list element that owns a compiled formula and its text.
#pragma once

#include <cstdint>

#include "base/listnode.h"

class parser;

class formulaholder : public listnode {
public:
    formulaholder();
    formulaholder(const formulaholder&) = delete;
    formulaholder& operator=(const formulaholder&) = delete;
    ~formulaholder() override;

    uint32_t serial;                 // change serial, from newserial
    parser* compiled = nullptr;      // owned; deleted with destroyparser
    char* text = nullptr;            // owned heap array
};
