// The screen's calls up to the layers above it, in one place.
//  - The user objects fill the table below when they start (startobjects
//    in objects/hooks.h).
//  - The program gives the computing thread its command loop (setmainloop,
//    calcmain.h) and installs the handlers of the request codes 3033 to
//    3050 that the higher layers serve (setrequest, host.h).
#pragma once

#include "platform/core/draw.h"

struct screenhooks {
    // Alt-X in the command loop: whether the program may end (the context
    // asks to save its changes).
    bool (*quitprogram)() = nullptr;
    // The Options menu's check mark of 40056: compilations do without the
    // function database's assistance.
    bool (*withoutdatabase)() = nullptr;
    // The notepad's F3: the fraction recognizer's window on a number.
    void (*recognize)(double value) = nullptr;
    // The plots' panels (window thread): paint one (its looks brought up
    // to date first); a left or right button pressed on one and its
    // release, in the panel's pixels.
    void (*panelpaint)(int handle, const canvas& c) = nullptr;
    void (*panelmouse)(int handle, bool press, bool left, int x, int y) = nullptr;
};

screenhooks& screenhook();

// The call through the table: true (the program may end) without a hook.
bool mayquit();
