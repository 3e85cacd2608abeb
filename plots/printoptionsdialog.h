// The dialog "Default Diagram Options" on the print options.
#pragma once

#include "platform/core/dialog.h"
#include "plots/printoptions.h"

class plot;

// The dialog on the record: 13 after OK, 27 cancelled.
int editprintoptions(printoptions& record);
// Its template, filled from the record, with the logic that edits it.
platform::dialogtemplate printoptionsdialogtemplate(printoptions& record);
// The plot environment's 'A' (not while the clipboard is shown): the
// active options edited in the working copy; OK makes them active and
// repaints the plot.
void printoptionsdialog(plot& p);
