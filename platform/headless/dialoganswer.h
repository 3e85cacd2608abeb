// The headless front's answer to a dialog: the script's words set controls
// as a user would, telling the dialog's logic about each change.
#pragma once

#include "platform/core/dialog.h"

#include <string>

namespace platform {

// After an optional leading name of the dialog, runs "ID=VALUE" (1/0 for
// checks and radios, an index for combos, a number for spins, text for
// edits), "press=ID", "help=ID" (context help on a control), "moved",
// "ok", "cancel" and, for a dialog that keeps its position, "at=X,Y"
// (moved there) in order.  The dialog's result; 0 when the words end
// without one or a word does not fit the dialog (bad names the word; a
// modeless dialog may end its words without a result).
int answerdialog(dialogtemplate& dialog, const std::string& words, std::string& bad, bool modeless = false);

// The images that the dialog's pictures and bitmap buttons paint, as
// NAME-ID.png in the folder (each once: a file that is there stays).
void writeimages(const dialogtemplate& dialog, const std::string& folder);

// The controls' final values, one line each, as the log shows them;
// withhidden marks hidden controls.
std::string dialogvalues(const dialogtemplate& dialog, int result, bool withhidden = false);

}  // namespace platform
