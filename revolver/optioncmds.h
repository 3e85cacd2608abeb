// Option commands of the "o" group: process priority ("op"), auto-jump
// ("oj") and the statistics of a text file ("ot").
#pragma once

#include "screen/textlist.h"

#include <memory>
#include <string>

const char* priorityname(int cls);
// The name of a thread's priority step; null thread: "## invalid thread
// handle ##".
const char* threadpriorityname(const int* priority);

void prioritycmd();
void autojumpcmd();
void textstatcmd();
void textfileshow();
// The file's lines and their statistics; null when no page could be made.
std::unique_ptr<textpage> textfilepage(const std::string& name);
