// The small modal choices of the plot commands, run on the computing
// thread inside the command that opens them.
#pragma once

// "To Clipboard": 't' cut, 'p' copy, 27 cancelled.
int cutcopydialog();
// "Duplicating the Plot": '2' the whole plot, '1' the current perspective
// only, 27 cancelled.
int dupliplotdialog();
