// The dialog that names the program and its version.
#pragma once

void aboutdialog();
