// Hot spots: rectangles of the text screen that turn a mouse click into a
// key code.  Their users create them on the computing thread, once, and
// keep them; the host walks them on the window thread on each left press
// and release.  The chain owns the spots until the end of the program.
#pragma once

#include <cstdint>

#include "base/listnode.h"

class hotspot : public listnode {
public:
    // left: the left button; press: a press (else a release).  0: the spot
    // does nothing at the moment.
    using action = int16_t (*)(bool left, bool press);

    // Pushed at the front of the chain (the newest is tested first).
    hotspot(int x1, int y1, int x2, int y2, action callback);
    ~hotspot() override = default;
    hotspot(const hotspot&) = delete;
    hotspot& operator=(const hotspot&) = delete;

    // Moves the spot (its users follow the pane it belongs to).
    void place(int x1, int y1, int x2, int y2);
    // Edges included.
    bool contains(int x, int y) const;

    uint8_t leftpress = 0, leftclick = 1, rightpress = 0, rightclick = 0;
    uint16_t left = 0, top = 0, right = 0, bottom = 0;
    action callback = nullptr;
};

// Makes spot, answering left presses with fn, on the first call; later
// calls move it.
void placepressspot(hotspot*& spot, hotspot::action fn, int x1, int y1, int x2, int y2);

// The key code of the newest qualifying spot that holds the mouse
// position, else 0.  A press qualifies by its press flag; a click by its
// click flag and a press position inside the spot.
int16_t walkhotspots(bool left, bool press);
// The same with the positions given (press: where the button went down).
int16_t walkhotspots(bool left, bool press, int pressx, int pressy, int x, int y);
// Deletes every spot (program end).
void clearhotspots();
