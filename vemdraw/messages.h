// The message boxes through which every part of the program reports, on
// the front's main window.  While a box is open, modalopen() is true.
#pragma once

#include <string>

// The text and caption of every box shown go to the sink first (tests
// read them); the front shows them unless the sink says it answered.
using boxsink = bool (*)(const std::string& text, const std::string& caption);
void setboxsink(boxsink sink);

int errorbox(const std::string& text, const std::string& caption);
// Formats into at most 2000 characters, caption "-".
void errorboxf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// "Unexpected Error in ..." naming the routine; false.
bool bugbox(const char* routine);

// A modal box or dialog of the program is open.
bool modalopen();

// Holds modalopen() true for the life of a dialog.
class modalscope {
public:
    modalscope();
    ~modalscope();
    modalscope(const modalscope&) = delete;
    modalscope& operator=(const modalscope&) = delete;
};
