// The properties of the program's fonts, one report after the other
// (the key command "ooF", computing thread).
#pragma once

void fontreport();
