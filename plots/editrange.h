// The "Parameter Range" dialog (template "EDITRANGE") on a curve's
// parameter range, a modal dialog of the computing thread.
#pragma once

#include <string>

#include "platform/core/dialog.h"
#include "plots/canplot.h"

class plotcurve;

// The record of a curve: what its graph allows, its limits, unrestricted
// when allowed and both limits are 0.
rangerecord rangeof(plotcurve& curve);
platform::dialogtemplate rangedialog();
void fillrange(platform::dialogtemplate& d, const rangerecord& r);
// The logic: the checks set their flags, an edit leaving reads both
// limits; OK (1) and "Abbrechen" (2) end it.
int rangecommand(platform::dialogtemplate& d, rangerecord& r, int id, platform::notification n);
// The answer applied to the curve: false with the notice when the range
// is refused (empty, or a limit that is no finite number).
bool storerange(plotcurve& curve, const rangerecord& r, std::string& notice);

// Runs the dialog on the curve and stores its answer; the notice of a
// refusal, else empty.  True when OK stored a range.
bool editrange(plotcurve& curve, std::string& notice);
