// Modal template dialogs opened by the computing thread.
#pragma once

#include "platform/core/dialog.h"

// Shows the dialog on the main window and returns how it ended (the
// result of its logic or the id of the ending button; 2 without a front).
// The template holds the final values of its controls afterwards.
int rundialog(platform::dialogtemplate& dialog);
