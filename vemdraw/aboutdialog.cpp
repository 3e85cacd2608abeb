#include "vemdraw/aboutdialog.h"

#include "vemdraw/dialogtext.h"

void aboutdialog()
{
    using platform::controlkind;
    platform::dialogtemplate t{"ABOUTDIALOG", "About VEMDRAW", "", {}};
    t.controls = {
        {.id = 0, .kind = controlkind::picture, .label = "blue"},
        {.id = 0, .kind = controlkind::text, .label = "VEMDRAW  Version  0.91"},
        {.id = 0, .kind = controlkind::text, .label = "Printer Utility for VEMO.EXE"},
        {.id = 0, .kind = controlkind::text,
         .label = "Shows, prints and exports the diagrams\nthat VEMO writes into transfer files.\n"
                  "Open one from the File menu, or let\nVEMO hand its diagram over."},
        {.id = 1, .kind = controlkind::button, .label = "OK"},
        {.id = 2, .kind = controlkind::button, .label = "Cancel"},
    };
    runmodal(t);
}
