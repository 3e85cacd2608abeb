// The two command tables: the calculator's commands (tested first, on the
// current calculator) and the revolver's.  A command is up to four key
// codes; cmdkey::digit stands for any digit.  The first row whose keys
// the reader collects runs.
#pragma once

#include "screen/keys.h"

class calculator;
class cmdreader;

using calccommandfn = void (*)(calculator& c);
using revcommandfn = void (*)();

struct calccommand {
    keycode keys[5];
    calccommandfn run;
    bool torevolver = false;   // the loop returns to the revolver after it
};

struct revcommand {
    keycode keys[5];
    revcommandfn run;
};

extern const calccommand calccommands[];
extern const int calccommandcount;
extern const revcommand revcommands[];
extern const int revcommandcount;

// The first row that the reader's keys make (reading the rest of a
// longer command first); null when none.
const calccommand* findcalccommand(cmdreader& reader);
const revcommand* findrevcommand(cmdreader& reader);
