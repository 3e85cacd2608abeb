// The dialog "Write to File" on the export record; format, full palette,
// interlace and the export folder are kept between openings.
#pragma once

#include "vemdraw/export.h"

#include "platform/core/dialog.h"

class diagram;

// The template with the record's values.
platform::dialogtemplate exporttemplate();
// Puts the record into the controls.
void exportrefresh(platform::dialogtemplate& t, const exportsettings& r);
// The dialog's logic for one control; the dialog's result or 0.
int exportcontrol(platform::dialogtemplate& t, exportsettings& r, const diagram* d, int id);

// The menu command: screen is the window's drawing rectangle, loaded the
// transfer file's name without its folder.
void exportdialog(const diagram* d, const pixelbox& screen, const std::string& loaded);
