// The plot panel's buttons: which key each one posts to the plot
// environment.
#pragma once

#include <span>

enum class panelside { top, side };

struct panelbutton {
    int id;
    panelside parent;
    int key;
    const char* what;
};

std::span<const panelbutton> panelbuttons();

// Key posted for a button command: the button's key, 0 for the unused ids
// 16 to 20, -1 for any other id ("Feature not implemented").
int panelbuttonkey(int id);
