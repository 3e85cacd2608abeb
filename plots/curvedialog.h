// The modeless "Curve Properties" dialog beside the curve editor.  Its
// window and logic live on the window thread and never touch plot objects:
// each fill hands it a view taken on the computing thread, and every change
// it makes goes back as a key or as a change that the editor applies
// between keys.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/dialog.h"

class autoprint;
class plotpsp;

// What one fill shows: the perspective's selected curve and its entry.
struct curveview {
    uint32_t number = 0;          // the selected curve number; 0: all enabled curves
    uint32_t live = 0;            // the plot's enabled curves
    const autoprint* entry = nullptr;   // identity only, for the changes
    bool hascurve = false;
    bool visible = false;         // the entry's visible flag ("enabled")
    bool considered = false;      // the entry's considered flag (visible in window)
    uint32_t shown = 0;           // shown and visible entries
    bool othersvisible = false;   // another entry of an enabled curve is visible
    uint16_t colour = 0;
    double low = 0, high = 0;
    char letter = 'x';
    int32_t resolution = 0;
    uint16_t pen = 0;
    bool samepen = true;          // all-curves mode: every enabled entry has pen
    uint32_t clippers = 0, privateclippers = 0;
    std::string message;          // the editor's notice for this fill
};

// The view of a perspective with the editor's selection (computing thread).
curveview takeview(plotpsp& p);

// The template "EDITCURVES" with the colour names, and its fill from a
// view: the mode's controls, texts and values; a pending message is shown
// and then dropped.  With selectclipper the up-down control takes the
// go-to number.
platform::dialogtemplate curvedialogtemplate(const std::vector<std::string>& colournames);
void fillcurvedialog(platform::dialogtemplate& d, const curveview& v, std::string& message, bool selectclipper,
                     uint32_t gotonumber);

// Resolution and pen diameter as the dialog takes them from an edit:
// truncated and limited to 20 .. 20000 and 1 .. 1000; false for text that
// is no finite number.
bool readresolution(const std::string& text, int32_t& value);
bool readpen(const std::string& text, uint16_t& value);
// "absolute..." and "scale by...": the new resolution, or false when the
// answer is refused.
bool absoluteresolution(double answer, int32_t& value);
bool scaledresolution(int32_t resolution, double factor, int32_t& value);

// Shared with the curve editor.  The go-to number (plots/plotpanel.h) holds
// the curve number for "g" or the clipper index for "C"; this flag asks
// the next fill to set the clipper control to it.
extern std::atomic<bool> selectclipper;

// Computing thread: requests to the dialog (create, destroy, fill with the
// view of p, hide and show with nesting).
void curvedialogcreate(plotpsp& p);
void curvedialogdestroy();
void curvedialogfill(plotpsp& p);
void curvedialoghide(bool hide);
// A notice for the dialog's message line at the next fill.
void curvedialogmessage(const std::string& text);
// The dialog's queued changes, applied to p; true when there were any.
bool applycurvechanges(plotpsp& p);

// Window thread: a change for the computing thread.
void queuecurvechange(std::function<void(plotpsp&)> change);

// The dialog's logic (window thread).
int curvedialogcommand(platform::dialogtemplate& d, int id, platform::notification n);

// Installs the handlers of the requests 3035 to 3039 (startplots).
void installcurverequests();
