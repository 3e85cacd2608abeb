// Popups: framed boxes sized to their text, placed by one-shot placement
// settings and coloured by one-shot popup colours.
#pragma once

#include <cstdint>
#include <memory>

#include "screen/boxframe.h"

struct textplace {
    int16_t lines, columns, column, row;
};
// Measures a text and places its popup (border included: columns + 2 wide).
textplace textextent(const char* text);

void setpopupx(int16_t column);
void setpopupy(int16_t row);
// 0 means the screen's last column (row).
void setpopupwidth(int16_t right);
void setpopupheight(int16_t bottom);
void setpopupdefaults(int16_t left, int16_t top, int16_t right, int16_t bottom);
// Text, text background, frame, box background, title, legend, footer;
// 0 keeps a colour.
void setpopupcolors(uint8_t text, uint8_t textback, uint8_t frame, uint8_t boxback, uint8_t title,
                    uint8_t legend, uint8_t footer);

class popup {
public:
    explicit popup(const char* text);
    ~popup();
    popup(const popup&) = delete;
    popup& operator=(const popup&) = delete;

    const boxframe* box() const { return frame.get(); }

private:
    std::unique_ptr<boxframe> frame;
};
