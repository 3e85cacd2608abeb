// The small modal choices of the plot commands, run on the computing
// thread inside the command that opens them.
#pragma once

#include "platform/core/dialog.h"

namespace cutcopy {
constexpr int copy = 1101, cut = 1102, cancel = 2;
}
namespace dupliplot {
constexpr int everything = 1111, visible = 1112, cancel = 2;
}

// "To Clipboard": 't' cut, 'p' copy, 27 cancelled.
int cutcopydialog();
// "Duplicating the Plot": '2' the whole plot, '1' the current perspective
// only, 27 cancelled.
int dupliplotdialog();

// Where a dialog was last closed, for the rest of the run (-1: the
// front's choice).
struct dialogplace {
    int x = -1, y = -1;
};

// Runs a template with logic, at its place when it has one (which then
// keeps where it was closed).  A front that ended the dialog with OK (1)
// or Cancel (2) itself leaves that button's logic to run here: its
// answer, 0 when the logic keeps the dialog open.
int runsmalldialog(platform::dialogtemplate& t, dialogplace* place = nullptr);

// The templates with their logic, for the fronts and the tests.
platform::dialogtemplate cutcopytemplate();
platform::dialogtemplate dupliplottemplate();
