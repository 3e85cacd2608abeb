// Shows a compile diagnosis: the formula, the message beneath it and the
// character at the error position highlighted, in a box that waits for a
// key.  A null collector is reported as an internal error.
#pragma once

class diagnostics;

void tellthem(const diagnostics* d);
