// Modal template dialogs opened by the computing thread.
#pragma once

#include "platform/core/dialog.h"

// Shows the dialog on the main window and returns how it ended (the
// result of its logic or the id of the ending button; 2 without a front).
// The logic (the template's command and drawitem hooks) runs on the
// calling thread, which may open boxes and dialogs from it; the window
// thread only shows the controls.  The template holds the final values of
// its controls afterwards, and its position when it keeps one.
int rundialog(platform::dialogtemplate& dialog);
