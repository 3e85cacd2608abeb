// The monitored run of a direct summation: the engine in chunks whose
// size follows the speed, the progress on the summation box, and the
// interrupt dialogue with resume, restart and breakpoint.
#pragma once

class boxframe;
class seriesterm;
class sumrecord;

// Run code: 5 evaluation error, 7 complete, 0 left by the user (the run
// can be resumed).
int sumrunshow(seriesterm* f, sumrecord& r, boxframe& box);
// Index and partial sum on the box's top lines; with the breakpoint line
// when one lies ahead.
void sumprogress(const sumrecord& r, bool withbreakpoint);
// The breakpoint prompt: 0 or less removes it.
void askbreakpoint(sumrecord& r);
