// Showing a compile diagnosis: an object's pending one, a collector of its
// own, and a chain of failing components.
#pragma once

class diagnostics;
class fu;

// True when the object has a diagnosis that counts: pending (state and
// code set, the code not `ignore`) and, unless a component failed, not an
// error left over from before the object was implemented again.  With
// `show` the diagnosis is shown.
bool readdiagnostics(fu* object, bool show, int ignore = 0);
// Shows a collector that belongs to no object.
void showdiagnostics(diagnostics* collector);
// Lists the messages along a chain of failing components, then shows the
// innermost one with its formula.
void componenterror(diagnostics* collector);
// The collector of an object: its own, else its parser's; null for none.
diagnostics* collectorof(const fu* object);

void objnotimplemented();
