// The revolver's help: the Master Reference List (F1), its page for
// first-time users and the version notice (F10).
#pragma once

#include <string>
#include <vector>

// The reference texts in order, one line each.
const std::vector<std::string>& referencelines();
void masterreference();
void firsttimehelp();
void aboutcmd();
