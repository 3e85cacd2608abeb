#include "screen/fontreport.h"

#include "platform/core/fontinfo.h"
#include "platform/core/fonts.h"
#include "screen/msgbuffer.h"
#include "screen/printjob.h"
#include "screen/screen.h"
#include "screen/winbox.h"

namespace {

constexpr int reportcapacity = 1000;

fontrequest screenrequest(const font& f)
{
    const fontspec& s = f.spec();
    return {screenface, s.height, s.width, boldface(s.weight) ? 700 : 400, s.oem};
}

// As a print job makes it: three times the printer font's size, in the
// screen's code page.
fontrequest printerrequest()
{
    const platform::fontchoice& p = printerfont();
    return {p.face, p.height * 3, p.width * 3, p.weight >= 700 ? 700 : 400, fontisoem()};
}

void report(const char* title, const fontrequest& request)
{
    std::optional<fontmetrics> m = measurefont(request);
    if (!m) {
        winmsgbox("GetTextFace() failed", "");
        return;
    }
    msgbuffer text(0, 0, 0, 0, reportcapacity);
    text.addf("%s\n\n\r", title);
    text.addf("%s\n\n\rtmHeight= %ld \n\rtmAveCharWidth= %ld\n\rtmMaxCharWidth= %ld\n\rtmWeight= %ld\n\r"
              "tmCharSet= %d \n\rFixedPitch= %d\n\rTrueType= %d\n\n\rtmOverhang= %ld \n\rtmAscent = %ld \n\r"
              "tmDescent = %ld \n\rtnInternalLeading= %ld\n\rtmExternalLeading= %ld\n\r"
              "tmDigitizedAspectX= %ld \n\rtmDigitizedAspectY= %ld \n\rtmFirstChar= %d \n\rtmLastChar= %d \n\r"
              "tmDefaultChar= %d \n\rtmBreakChar= %d \n\rtmItalic= %d \n\rtmUnderlined= %d \n\rtmStruckOut= %d \n\r",
              m->face.c_str(), long(m->height), long(m->avecharwidth), long(m->maxcharwidth), long(m->weight),
              m->charset, int(m->fixedpitch), int(m->truetype), long(m->overhang), long(m->ascent),
              long(m->descent), long(m->internalleading), long(m->externalleading), long(m->aspectx),
              long(m->aspecty), m->firstchar, m->lastchar, m->defaultchar, m->breakchar, int(m->italic),
              int(m->underlined), int(m->struckout));
    text.show();
}

}  // namespace

void fontreport()
{
    report("Properties of VEMO Text Font", screenrequest(textfont()));
    report("Properties of VEMO Graphic Font", screenrequest(graphicfont()));
    report("Properties of current Printer Font", printerrequest());
}
