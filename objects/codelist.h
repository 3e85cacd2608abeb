// The code viewer: a parser's code listing in a list window, from whose
// call lines the called objects and their own code can be opened.
#pragma once

#include <cstdint>

#include "screen/textlist.h"

class fu;
class parser;

class codelist : public textlist {
public:
    codelist(int16_t left, int16_t top, int16_t right, int16_t bottom, char** lines, int32_t first, int32_t last,
             int16_t prefix);

    // Every key reaches the list unchanged.
    void filterkey(int& key) override;
    // "v" views the called object, "c" and Alt-C list its code, "p"
    // prints, F1 helps.
    void otherkey(int& key) override;

    // The object called in the current line, null for other lines.
    fu* callee() const;
};

// Shows the listing of the parser's code until Esc; false when it has no
// code or the listing could not be made.
bool showcode(parser& p);
// The listing of an implemented object's own parser.
bool showobjectcode(fu* object);
