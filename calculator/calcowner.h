// What a calculator needs of the ring that holds it: where the arguments
// live, the history of the latest values, the screen rows, the shared
// differential operator, the title line and the fastplots' place.  The revolver derives from it;
// a test can use it as it stands.
#pragma once

#include <cstdint>

#include "base/rects.h"
#include "math/drect.h"

class calculator;
class formulaholder;
class varman;

// The previous and the current latest value.
struct valuepair {
    double previous = 0.0, current = 0.0;
    void clear() { previous = current = 0.0; }
    void push(double v)
    {
        previous = current;
        current = v;
    }
    // Decimal digits in which the two agree; 0 before two values exist.
    double match() const;
};

class calcowner {
public:
    virtual ~calcowner() = default;
    // The title line "Calculator %d"; when forced or asked for.  True when
    // it drew.
    virtual bool calctitle(bool force) { return false; }

    varman* activestore = nullptr;     // the calculators' arguments
    valuepair history;
    int16_t statusrow = 7;
    // The user-defined operator ("f9"), not owned here; with a parser and
    // a text buffer of limits::formulalength + 1 bytes, which the calling
    // objects share (calcfunm::linkoperator).
    formulaholder* diffop = nullptr;
    // What the fastplots read: the calculator in front, the default plot
    // rectangle on the screen and the window a new plot starts from.
    calculator* current = nullptr;
    rect fastplotrect;
    drect plotwindow{};                // the saved window ("s", "l")
    uint8_t panedrawn = 0;             // a fastplot pane is on the screen
};
