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

// The templates with their logic, for the fronts and the tests.
platform::dialogtemplate cutcopytemplate();
platform::dialogtemplate dupliplottemplate();
