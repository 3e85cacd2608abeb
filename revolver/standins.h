// Commands whose tools come later.  Each is defined in standins.cpp, one
// line a command, showing "Feature not implemented !" (the fastplot hooks
// do nothing).  A tool that comes deletes its line there and defines the
// function with the same signature in its own file.
#pragma once

class calculator;

// Calculator commands.
void loaddesignerwindow(calculator& c);  // "ppl": the designer plot's window to the fastplot
void toggleoverlay(calculator& c);     // 602, Shift-Tab: the value box over the plot or not

// Fastplot hooks (no-ops until the fastplots exist).
void fastplotloop(calculator& c);      // a left click or a pending plot action
void spacemenu(calculator& c);         // " ": the plot menu
void refreshfastplot(calculator& c);   // Shift-" ": recreate the fastplot

// Revolver commands.
void mouseframecmd();                  // "om": the mouse frame dialog, and what it returned
