// The current calculator's command loop: runs its commands until a key
// sequence that is none of them, which stays collected in the reader for
// the revolver.
#pragma once

class calculator;
class revolver;

void calccommandloop(calculator& c, revolver& r);
// Draws the calculator whole (title, formula, boxes, status).
void redrawcalc(calculator& c);
