// Commands whose tools come later.  Each is defined in standins.cpp, one
// line a command, showing "Feature not implemented !" (the fastplot hooks
// do nothing).  A tool that comes deletes its line there and defines the
// function with the same signature in its own file.
#pragma once

class calculator;

// Revolver commands.
void mouseframecmd();                  // "om": the mouse frame dialog, and what it returned
