// The math editor (the line editor with bracket matching on Tab and a key
// reference that explains block marking) and the calculation notepad's
// editor (F3 runs the fraction recognizer on the latest value).
#pragma once

#include "screen/lineeditor.h"

class mathedit : public lineeditor {
public:
    explicit mathedit(int16_t maxlen);
    ~mathedit() override;
    bool isinsertable(keycode k) override;
    // Tab and Shift+Tab match brackets; else PgUp and PgDn.
    bool extrakey(keycode k) override;
    int helpscreen() override;

    // Tab: moves to the bracket matching the one under the cursor (Shift:
    // marks the span), or reports the bracket balance around the cursor.
    void matchbracket();
    // Bracket level counted from the cursor to the right (left) from level
    // v; pos receives the 1-based position where the count stopped.
    int scanright(int v, int& pos) const;
    int scanleft(int v, int& pos) const;
};

class notepadedit : public mathedit {
public:
    explicit notepadedit(int16_t maxlen);
    ~notepadedit() override;
    // F3 runs the recognizer, then as the math editor.
    bool extrakey(keycode k) override;
    // Enter and Esc first remove a marked block; Esc then goes on editing.
    bool helpkey(keycode k) override;
    int helpscreen() override;
};

// The computing thread's two editors, made at start and kept to the end.
void makeeditors();
void dropeditors();
mathedit* matheditor();
notepadedit* notepadeditor();

// Runs the fraction recognizer (screenhook) on a value; nothing without it.
void recognize(double value);
