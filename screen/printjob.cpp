#include "screen/printjob.h"

#include "platform/core/codepage.h"
#include "platform/core/requests.h"
#include "screen/screen.h"
#include "screen/winbox.h"

#include <memory>
#include <string>

namespace {

// The face the screen uses, so that a list prints alike on every machine.
const platform::fontchoice defaultfont{"DejaVu Sans Mono", 14, 8, 400};

struct printstate {
    std::unique_ptr<platform::printjob> job;
    platform::fontchoice font = defaultfont;
    bool choice = false;
    printmetrics metrics{};
    int page = 0;
    int line = 0;
};

printstate& state()
{
    static printstate s;
    return s;
}

struct fontcall {
    platform::fontchoice font;
    bool printer;
};

long showfontdialog(void* arg)
{
    auto* c = static_cast<fontcall*>(arg);
    platform::front* f = platform::currentfront();
    return f && f->fontdialog(c->font, c->printer);
}

long showprintdialog(void* arg)
{
    auto* job = static_cast<std::unique_ptr<platform::printjob>*>(arg);
    platform::front* f = platform::currentfront();
    if (f)
        *job = f->printdialog("VEMO List Contents");
    return bool(*job);
}

// The font at three times the printer font's size: cell height and
// average width as asked for.
bool selectfont(cairo_t* cr, const platform::fontchoice& font)
{
    int height = font.height * 3, width = font.width * 3;
    cairo_select_font_face(cr, font.face.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           font.weight >= 700 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, height);
    cairo_font_extents_t fe;
    cairo_text_extents_t te;
    cairo_font_extents(cr, &fe);
    cairo_text_extents(cr, "x", &te);
    if (fe.ascent + fe.descent <= 0 || te.x_advance <= 0)
        return false;
    double sy = height * height / (fe.ascent + fe.descent);
    double sx = width > 0 ? height * width / te.x_advance : sy;
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, sx, sy);
    cairo_set_font_matrix(cr, &m);
    return cairo_status(cr) == CAIRO_STATUS_SUCCESS;
}

// The job is the front's: it may hold toolkit objects, so it is finished
// and destroyed on the window thread.
struct jobend {
    std::unique_ptr<platform::printjob> job;
    bool finish;
    bool ok = false;
};

long endjob(void* arg)
{
    auto* e = static_cast<jobend*>(arg);
    e->ok = e->finish && e->job->finish();
    e->job.reset();
    return 1;
}

// Finishes the document when asked to, and ends the job; true when the
// document was completed.
bool closejob(std::unique_ptr<platform::printjob> job, bool finish)
{
    jobend e{std::move(job), finish};
    platform::callmain(endjob, &e);
    if (e.job)
        (void)e.job.release();   // the window is gone; its objects cannot be freed from this thread
    return e.ok;
}

}  // namespace

platform::fontchoice& printerfont()
{
    return state().font;
}

void setprinterfontchoice(bool on)
{
    state().choice = on;
}

bool choosefont(bool printer)
{
    fontcall call{state().font, printer};
    if (!platform::callmain(showfontdialog, &call))
        return false;
    if (call.font.width <= 0)   // a face and height only: keep the cell's proportion
        call.font.width = (call.font.height * defaultfont.width + defaultfont.height / 2) / defaultfont.height;
    state().font = call.font;
    return true;
}

bool begindoc()
{
    printstate& s = state();
    if (s.job)
        return false;
    std::unique_ptr<platform::printjob> job;
    if (!platform::callmain(showprintdialog, &job))
        return false;
    if (s.choice) {
        if (!choosefont(true))
            return closejob(std::move(job), false);
    } else {
        s.font = defaultfont;
    }
    if (!selectfont(job->context(), s.font)) {
        closejob(std::move(job), false);
        return winbugbox("begindoc()");
    }
    s.metrics.lineheight = s.font.height * 3;   // no external leading
    s.metrics.charsperline = job->width() / (s.font.width * 3);
    s.metrics.linesperpage = job->height() / s.metrics.lineheight;
    if (s.metrics.linesperpage < 1)
        return closejob(std::move(job), false);
    s.page = 1;
    s.line = 0;
    s.job = std::move(job);
    return true;
}

bool printline(const char* text)
{
    printstate& s = state();
    if (!text || !s.job)
        return false;
    if (s.line > s.metrics.linesperpage) {
        if (!s.job->endpage())
            return false;
        ++s.page;
        s.line = 0;
    }
    if (s.line == 0) {
        if (!s.job->startpage())
            return false;
        s.line = 1;
    }
    if (*text) {
        cairo_t* cr = s.job->context();
        cairo_font_extents_t fe;
        cairo_font_extents(cr, &fe);
        cairo_move_to(cr, 0, (s.line - 1) * s.metrics.lineheight + fe.ascent);
        cairo_show_text(cr, platform::codepageutf8(text, !fontisansi()).c_str());
    }
    ++s.line;
    return true;
}

bool enddoc()
{
    printstate& s = state();
    if (!s.job)
        return false;
    bool ok = s.line == 0 || s.job->endpage();
    return closejob(std::move(s.job), true) && ok;
}

printmetrics printlayout()
{
    return state().metrics;
}
