// The computing thread's program: builds the long-lived objects in order,
// runs the revolver's main loop and deletes them in reverse order (the
// revolver's destructor writes vemo.rev).  startrevolver installs it as
// the main loop of calcmain and fills the hooks that wait for the
// revolver.
#pragma once

void runprogram();
void startrevolver();
