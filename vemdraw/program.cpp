#include "vemdraw/program.h"

#include "vemdraw/geometry.h"
#include "vemdraw/messages.h"
#include "vemdraw/reader.h"
#include "vemdraw/render.h"

#include <pango/pangocairo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The items that need a loaded file.
const int fileitems[] = {40020, 40018, 40019, 40029, 40015, 40028, 40026};

const char* helptext =
    "VEMDRAW shows, prints and exports the diagrams that VEMO\n"
    "writes into transfer files (\".rkp\").\n\n"
    "Its documentation comes with VEMO: see the README\n"
    "of its sources.";

void centredtext(cairo_t* cr, const char* text, int width, int height)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Sans 10");
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text, -1);
    int w, h;
    pango_layout_get_pixel_size(layout, &w, &h);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_move_to(cr, (width - w) / 2, (height - h) / 2);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
}

bool regularfile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

vemdrawprogram::~vemdrawprogram()
{
    if (listener_.fd() >= 0)
        front_.unwatch(listener_.fd());
}

bool vemdrawprogram::start(const std::optional<std::string>& file)
{
    filename_ = file;
    nameoffset_ = 0;
    if (!front_.createpaintwindow("Vemdraw", "vdwmenu"))
        return false;
    platform::printercaps caps;
    printer_.fill(front_.defaultprinter(caps) ? &caps : nullptr);
    if (const char* name = std::getenv(platform::handover::variable); name && *name) {
        std::string error;
        if (listener_.open(name, error))
            front_.watch(listener_.fd());
        else
            std::fprintf(stderr, "vemdraw: %s\n", error.c_str());
    }
    if (!filename_)
        enablemenus(1);
    else
        openfromname();
    applyqueued();
    return true;
}

void vemdrawprogram::close()
{
    diagrams_.removeall();
    front_.destroywindow();
}

void vemdrawprogram::command(int id)
{
    if (!menucommand(id))
        errorbox("Feature not implemented", "-");
    applyqueued();
}

bool vemdrawprogram::menucommand(int id)
{
    if (standin(id))
        return false;
    switch (id) {
    case 40023:
        printerdatacommand(printer_);
        return true;
    case 40024:
        errorbox(helptext, "Where to find Help");
        return true;
    }
    return false;
}

void vemdrawprogram::enablemenus(int flag)
{
    for (int id : fileitems)
        front_.menuenable(id, flag == 0);
}

void vemdrawprogram::settitle()
{
    front_.settitle("Vemdraw  " + filename_.value_or(""));
}

void vemdrawprogram::openfromname()
{
    if (!filename_ || filename_->empty())
        return enablemenus(1);
    const std::string& path = *filename_;
    if (nameoffset_ == 0)
        nameoffset_ = platform::handover::nameoffset(path);
    if (nameoffset_ >= path.size())   // a folder: nothing to open
        return enablemenus(1);
    FILE* file = regularfile(path) ? std::fopen(path.c_str(), "rb") : nullptr;
    if (!file) {
        errorboxf("Could not open File:\n\r%s", path.c_str());
        return enablemenus(1);
    }
    diagrams_.removeall();
    if (readplotfile(file, &diagrams_, &printer_)) {
        settitle();
        enablemenus(0);
        applysettings(firstdiagram(diagrams_));
    } else {
        diagrams_.removeall();
        enablemenus(1);
    }
    std::fclose(file);
    front_.repaint();
    if (nameoffset_ > 0 && chdir(path.substr(0, nameoffset_).c_str()) != 0)
        errorboxf("Cannot change to the folder of\n\r%s", path.c_str());
}

void vemdrawprogram::paint(cairo_t* cr, int width, int height)
{
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (diagram* d = firstdiagram(diagrams_))
        paintdiag(cr, d, screenwindow(width, height));
    else
        centredtext(cr, "No file loaded", width, height);
}

int32_t vemdrawprogram::handover(const platform::handover::message& m)
{
    front_.present();
    if (m.type == platform::handover::copydata) {
        filename_ = m.path;
        nameoffset_ = m.offset;
        openfromname();
    }
    return 0;
}

void vemdrawprogram::readable(int fd)
{
    platform::handover::message m;
    int client;
    while (listener_.receive(m, client)) {
        if (modalopen()) {
            queued_.push_back(m);
            platform::handover::listener::reply(client, 0);
        } else {
            applyqueued();
            platform::handover::listener::reply(client, handover(m));
        }
    }
    applyqueued();
}

void vemdrawprogram::applyqueued()
{
    while (!modalopen() && !queued_.empty()) {
        platform::handover::message m = std::move(queued_.front());
        queued_.pop_front();
        handover(m);
    }
}
