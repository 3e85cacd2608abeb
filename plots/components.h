// Private copies of the user objects ("components") that a formula calls,
// for a designer plot: gathered from the evaluator's list of the objects
// an implementation pass made ready, cloned with their parsers made.
#pragma once

class RK;
class calcfunm;
class chain;
class fu;
class reflist;

// The components of the object (its fingerprint pass lists them) pushed
// as clones onto target; false, with the diagnostics shown, on failure.
bool copyallcomponents(fu* object, chain& target);
// The same for the solver's derivative formula.
bool copyallcomponents2(RK* solver, chain& target);
// The components of a calling object's user operator; true at once for
// other display modes.
bool copyoperatorcomponents(calcfunm* object, chain& target);
// Clones of the listed user objects other than skip and of the objects
// they call in turn, each with its parser made, pushed onto target; false
// (the failing clone deleted) on failure.
bool copycomponents(chain& target, const reflist& listed, const fu* skip = nullptr);
// Warns of every two versions of one component in the chain; false when
// the user cancels (Esc) or the chain is null.
bool reduceinterline(chain* components);
