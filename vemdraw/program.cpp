#include "vemdraw/program.h"

#include "vemdraw/aboutdialog.h"
#include "vemdraw/axdialog.h"
#include "vemdraw/exportdialog.h"
#include "vemdraw/filecommands.h"
#include "vemdraw/geometry.h"
#include "vemdraw/griddialog.h"
#include "vemdraw/messages.h"
#include "vemdraw/printcommand.h"
#include "vemdraw/reader.h"
#include "vemdraw/render.h"
#include "vemdraw/shapepreview.h"
#include "vemdraw/sizedialog.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The items that need a loaded file.
const int fileitems[] = {40020, 40018, 40019, 40029, 40015, 40028, 40026};

const char* helptext =
    "VEMDRAW shows, prints and exports the diagrams that VEMO\n"
    "writes into transfer files (\".rkp\").\n\n"
    "Its documentation comes with VEMO: see the README\n"
    "of its sources.";

// A settings dialog on a record of the first diagram; after OK the record
// goes into the first diagram as it is then.
template <class Record>
void editfirst(const nodelist& list, auto from, auto run, auto apply)
{
    diagram* d = firstdiagram(list);
    if (!d)
        return;
    Record r = from(*d);
    if (!run(r))
        return;
    if ((d = firstdiagram(list)))
        apply(r, *d);
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
    switch (id) {
    case 40013:
        fileopencommand();
        return true;
    case 40028:
        if (filename_ && filedeletecommand(*filename_))
            front_.settitle("Vemdraw  (no file)");
        return true;
    case 40026:
        if (diagram* d = firstdiagram(diagrams_)) {
            int w = 0, h = 0;
            front_.clientsize(w, h);
            exportdialog(d, screenwindow(w, h), filename_ ? filename_->substr(nameoffset_) : "");
        }
        return true;
    case 40015:
        fileprintcommand(diagrams_, printer_);
        front_.repaint();
        return true;
    case 40018:
        editfirst<gridsettings>(
            diagrams_, [&](const diagram& d) { return gridfrom(d, printer_.orientation); },
            [&](gridsettings& r) { return griddialog(r, printer_); }, gridapply);
        front_.repaint();
        return true;
    case 40019:
        editfirst<sizesettings>(
            diagrams_, [&](const diagram& d) { return sizefrom(d, printer_.orientation); },
            [&](sizesettings& r) { return sizedialog(r, printer_); },
            [&](const sizesettings& r, diagram& d) { sizeapply(r, d, printer_); });
        front_.repaint();
        return true;
    case 40020:
        editfirst<axsettings>(diagrams_, axfrom, axdialog, axapply);
        front_.repaint();
        return true;
    case 40029:
        shapepreview(front_, firstdiagram(diagrams_));
        return true;
    case 40022:
        aboutdialog();
        return true;
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
    if (readfile(file, path))
        settitle();
    if (nameoffset_ > 0 && chdir(path.substr(0, nameoffset_).c_str()) != 0)
        errorboxf("Cannot change to the folder of\n\r%s", path.c_str());
}

bool vemdrawprogram::readfile(FILE* file, const std::string& path)
{
    diagrams_.removeall();
    bool read = readplotfile(file, &diagrams_, &printer_);
    int failedread = !read && std::ferror(file) ? (errno ? errno : EIO) : 0;
    if (read) {
        enablemenus(0);
        applysettings(firstdiagram(diagrams_));
    } else {
        diagrams_.removeall();
        enablemenus(1);
    }
    std::fclose(file);
    front_.repaint();
    if (failedread)   // told over an empty window
        errorboxf("Could not read File:\n\r%s\n\r%s", path.c_str(), std::strerror(failedread));
    return read;
}

void vemdrawprogram::fileopencommand()
{
    std::string path = askopenname(filename_ ? directoryof(*filename_) : "");
    if (path.empty())
        return;
    FILE* file = regularfile(path) ? std::fopen(path.c_str(), "rb") : nullptr;
    if (!file) {
        errorbox("Could not open File:\n\r" + path, "-");
        return;
    }
    if (readfile(file, path)) {
        filename_ = path;
        nameoffset_ = platform::handover::nameoffset(path);
        settitle();
    }
}

void vemdrawprogram::paint(cairo_t* cr, int width, int height)
{
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (diagram* d = firstdiagram(diagrams_))
        paintdiag(cr, d, screenwindow(width, height));
    else
        centredtext(cr, "No file loaded", 0, 0, width, height, "Sans 10");
}

void vemdrawprogram::handover(const platform::handover::message& m)
{
    front_.present();
    if (m.type == platform::handover::copydata) {
        filename_ = m.path;
        nameoffset_ = m.offset;
        openfromname();
    }
}

void vemdrawprogram::readable(int)
{
    platform::handover::message m;
    int client;
    while (listener_.receive(m, client)) {
        platform::handover::listener::reply(client, 0);
        queued_.push_back(std::move(m));
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
