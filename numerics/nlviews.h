// The text pages of the engines' views and the log.
#pragma once

#include "screen/textlist.h"

class nliter;

// A text page in the views' colours with the " Close with <esc> " footer.
class nlpage : public textpage {
public:
    explicit nlpage(const char* caption);
    int16_t show();

    const char* caption;
};

void nlshowlog(nliter& e);
// The iteration, the distances and the current and initial positions.
void nlpositionlines(nlpage& page, nliter& e);
