// Showing a perspective's transfer file in VEMDRAW: handed to the VEMDRAW
// this program started while it runs, else in a newly started one.
#pragma once

#include <cstdint>
#include <string>

#include "platform/core/childprocess.h"
#include "platform/core/handover.h"

class plotpsp;

struct printerlink {
    platform::childprocess child;
    std::string socketname;           // the one given to that child
    std::string program = "vemdraw";
    int timeoutms = 5000;
};
// The program's link to its VEMDRAW.
printerlink& printer();

// The message for the path: the file name after dir (offset = the
// directory's length with its "/"), or the raise message without one.
platform::handover::message printermessage(const std::string& dir, const std::string& name);

// Hands the perspective's file (or only the directory when it has none
// or it is missing, after telling so) to VEMDRAW; false after a message
// when VEMDRAW did not answer or could not start.
bool startprinter(const plotpsp* p, const std::string& dir);
bool startprinter(const std::string& dir, const std::string& name);
