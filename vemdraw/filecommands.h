// The commands on the transfer file as a whole that need no diagram: the
// open dialog, deleting the loaded file, the save dialog of the export.
#pragma once

#include <cstdio>
#include <string>

// The folder part of a path, with its final slash; empty without one.
std::string directoryof(const std::string& path);
// A regular file opened for reading; null with "Could not open File:",
// the path and the reason shown when it cannot be.
FILE* openplotfile(const std::string& path);
// The open dialog on transfer files, starting in directory; empty when
// cancelled.
std::string askopenname(const std::string& directory);
// The save dialog with an initial name, starting in directory; the current
// directory stays; empty when cancelled.
std::string asksavename(const std::string& name, const std::string& directory);
// Asks, then deletes path; true when it was deleted.
bool filedeletecommand(const std::string& path);
