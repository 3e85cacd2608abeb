// What the settings dialogs share: their controls, numbers read from
// edits and written into them in the C number format.
#pragma once

#include "platform/core/dialog.h"

#include <cstdio>
#include <string>
#include <type_traits>

platform::dialogcontrol control(int id, platform::controlkind kind, const char* label = "");
// A spin control of low..high at number, shown in the edit buddy.
platform::dialogcontrol spincontrol(int id, int buddy, int low, int high, int number);

// The number at the start of an edit's text (at most 40 characters,
// blanks first allowed); false when there is none or it is not finite.
bool readnumber(const std::string& text, double& value);
// A number as a dialog shows it: -0 as 0.
inline auto shown(auto value)
{
    if constexpr (std::is_floating_point_v<decltype(value)>)
        return value == 0 ? decltype(value)(0) : value;
    else
        return value;
}

// printf into a string (up to 255 characters).
std::string formatted(const char* format, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, format, shown(values)...);
    return text;
}

// Marks the one radio of ids that stands for chosen (by position).
void markradios(platform::dialogtemplate& t, std::initializer_list<int> ids, size_t chosen);
void enable(platform::dialogtemplate& t, std::initializer_list<int> ids, bool on);

// Runs a template dialog of the program as modal; the button that ended
// it (1 OK, anything else cancels).
int runmodal(platform::dialogtemplate& t);
