// A growable message text, collected piece by piece, then shown in a
// popup that waits for a key or stays open while work goes on.
#pragma once

#include <cstdint>
#include <memory>

#include "screen/popup.h"

class msgbuffer {
public:
    // Text, text background, frame and box background colours (0 default).
    msgbuffer(uint8_t text, uint8_t textback, uint8_t frame, uint8_t boxback, int16_t capacity);
    ~msgbuffer();
    msgbuffer(const msgbuffer&) = delete;
    msgbuffer& operator=(const msgbuffer&) = delete;

    // Returns the room left.
    int addf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void clear();
    void showpopup();
    void hide();
    // Waits for a key; Alt+P prints the text and shows it again.
    int16_t show();

    const char* text() const { return buffer.get(); }
    int16_t length = 0;
    int16_t capacity;

private:
    std::unique_ptr<char[]> buffer;
    std::unique_ptr<popup> shown;
    uint8_t colors[4];
};

// Shows the text in a native message box; null caption means empty.
void msgwindowbox(const msgbuffer& m, const char* caption);
// Prints a text line by line as a list-printing document: breaks at "\n"
// or "\r" (a pair counts as one), lines longer than 78 continued; nothing
// when the print dialogue is cancelled.  A line printer set with
// setlineprinter takes the lines instead of the document.
void printtext(const char* text);
using lineprinter = void (*)(const char* line);
void setlineprinter(lineprinter print);
