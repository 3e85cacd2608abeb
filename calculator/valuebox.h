// The two small lists of the calculator screen: the argument box (one line
// per argument letter with its value) and the value box (one line per
// value or state component).  One pair serves the whole revolver and is
// loaded from the current calculator.  Lines are 0-based.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "screen/list2way.h"

class calculator;
class screensave;
class varman;

class valuebox : public list2way {
public:
    // width: most letters (lines) the box holds.  Not shown at first.
    valuebox(int width, int16_t left, int16_t top, int16_t right, int16_t bottom, int c1, int c2, int c3, int c4,
             varman* store = nullptr);
    ~valuebox() override;

    // Slot 0: " %23.15g ".
    void formatline() override;
    // Slot 1 sets the colours of line a (highlighted when it is current).
    void lineshown(int32_t a, int32_t b) override;
    virtual colorpair linecolors(int32_t line, bool highlighted) const;

    int linecount() const { return int(letters.size()); }
    int visiblelines() const { return boxbottom - boxtop + 1; }
    int linesshown() const { return linecount() < visiblelines() ? linecount() : visiblelines(); }

    void setvalue(double x);
    double value() const;
    char letter() const;
    // One value per line from the array.
    void setvalues(const double* source);
    // Cut to width - 1 letters; the last line follows the count.
    void setletters(const char* text);
    // Current line and first shown line, clamped to the lines.
    void moveto(int32_t line, int32_t top);
    void up();
    void down();

    // Draws the box (show); hides the bar unless highlighted.
    void editline();
    void highlight(bool on);
    // Puts the screen beneath back.
    void hide();
    // Forgets the saved cells (the screen was drawn anew).
    void releasetext();
    // Each line's value into the variable of its letter (marking it
    // #global); the global store advances the evaluation serial.
    void storevalues();
    // Each line's value from the variable of its letter.
    void loadvalues();

    uint8_t shown = 0;
    uint8_t highlighted = 1;
    int capacity;
    std::vector<double> values;
    std::string letters;
    varman* variables;
    int32_t topline = 0;
    const calculator* calc = nullptr;   // whose lines these are (colours, names)
    int16_t boxleft, boxtop, boxright, boxbottom;

protected:
    void drawline(int32_t line);
    std::unique_ptr<screensave> under;
};

class namedvaluebox : public valuebox {
public:
    using valuebox::valuebox;
    // " %-8s=%23.15g " with the name of component line + 1.
    void formatline() override;
    colorpair linecolors(int32_t line, bool highlighted) const override;
};

class arcvaluebox : public valuebox {
public:
    using valuebox::valuebox;
    // " %c= %-23.15g ", or " arc= %-23.15g " in arclength mode.
    void formatline() override;
    colorpair linecolors(int32_t line, bool highlighted) const override;
};

// The revolver's pair, made at start-up (makevalueboxes) and dropped at
// the end; null before.
arcvaluebox* argumentbox();
namedvaluebox* valuedisplay();
void makevalueboxes(varman* store);
void dropvalueboxes();
