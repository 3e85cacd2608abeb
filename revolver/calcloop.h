// The current calculator's command loop: runs its commands until a key
// sequence that is none of them, which stays collected in the reader for
// the revolver.
#pragma once

class calculator;
class revolver;

void calccommandloop(calculator& c, revolver& r);

// Run mode 0 while a loop waits for a key (menu flags cleared), 2 while a
// command runs.
void commandwait();
void commandrun();
