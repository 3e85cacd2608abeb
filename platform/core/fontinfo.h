// What a font gives once made: its face and text metrics, measured with
// pango on the face that fontconfig picks for the request.
#pragma once

#include <mutex>
#include <optional>
#include <string>

// A face stretched, as the screen cells and the printed lines are, so
// that a line is height pixels high and an "x" width pixels wide.
struct fontrequest {
    std::string face;
    int height = 0;
    int width = 0;
    int weight = 400;
    bool oem = true;  // the code page of the text drawn with it
};

struct fontmetrics {
    std::string face;  // the face that was found for the request
    int height, avecharwidth, maxcharwidth, weight, charset;
    bool fixedpitch, truetype;
    int overhang, ascent, descent, internalleading, externalleading;
    int aspectx, aspecty;
    int firstchar, lastchar, defaultchar, breakchar;
    bool italic, underlined, struckout;
};

// None when no face can be loaded or it has no name.
std::optional<fontmetrics> measurefont(const fontrequest& request);

// Fontconfig and pango are not safe to set up from two threads at once.
std::mutex& pangomutex();
