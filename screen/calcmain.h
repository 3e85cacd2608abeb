// The computing thread's procedure.  It signals ready, builds what the
// program has, runs the main loop and, as its last act, posts 3031.
#pragma once

#include "platform/core/thread.h"

void calcmain();
// The handshake event for which lauchthread2 waits.
platform::readyevent& threadready();

// The main loop that calcmain runs (the program installs the revolver's);
// by default it reads keys until Alt-X or the stop flag.
using mainloopfn = void (*)();
void setmainloop(mainloopfn fn);
