// File / Print: the first diagram on the printer the user picks.
#pragma once

#include "vemdraw/nodelist.h"
#include "vemdraw/printer.h"

class diagram;

// Sides of the diagram on paper of at least 1 cm; else a box, false.
bool printablesize(const diagram& d);
// The print dialog opens with the record's orientation (unless the
// diagram is too small for the record's printer); the record is then
// refilled from the chosen printer and page, and the diagram (fetched
// again) printed when its margins and size fit.
void fileprintcommand(const nodelist& diagrams, printerdate& printer);
