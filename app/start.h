// The program's start: every layer fills the hooks of the layers below it.
#pragma once

// Runs the start of the highest layer that serves hooks (each starts the
// layers below it first).  Called once, before the host runs.
void startvemo();
