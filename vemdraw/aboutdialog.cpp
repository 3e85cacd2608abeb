#include "vemdraw/aboutdialog.h"

#include "vemdraw/messages.h"

#include "platform/core/front.h"

void aboutdialog()
{
    using platform::controlkind;
    platform::front* f = platform::currentfront();
    if (!f)
        return;
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
    modalscope open;
    f->rundialog(t);
}
