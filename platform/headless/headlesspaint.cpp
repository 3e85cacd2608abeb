// The scripted front of a program that paints its own window on one
// thread.
#include "platform/headless/headless.h"
#include "platform/headless/pdfprinter.h"

#include "platform/core/menus.h"

#include <poll.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <span>

namespace platform {

bool headlessfront::createpaintwindow(const std::string& title, const std::string& menu)
{
    title_ = title;
    window_ = painted_ = true;
    attachmenu(menu);
    return true;
}

bool headlessfront::clientsize(int& width, int& height)
{
    width = paintwidth_;
    height = paintheight_;
    return window_;
}

bool headlessfront::defaultprinter(printercaps& caps)
{
    if (!printer_)
        return false;
    caps = virtualcaps();
    return true;
}

bool headlessfront::frame(int& x, int& y, int& extrawidth, int& extraheight)
{
    x = framex_;
    y = framey_;
    extrawidth = extraheight = 0;
    return window_;
}

void headlessfront::placewindow(int x, int y, int clientwidth, int clientheight)
{
    framex_ = x;
    framey_ = y;
    paintwidth_ = std::max(clientwidth, 1);
    paintheight_ = std::max(clientheight, 1);
    moves_.push_back({x, y});
}

void headlessfront::watch(int fd)
{
    watched_.push_back(fd);
}

void headlessfront::unwatch(int fd)
{
    std::erase(watched_, fd);
}

void headlessfront::pollwatched()
{
    for (size_t i = 0; i < watched_.size() && !done_; ++i) {
        pollfd p{watched_[i], POLLIN, 0};
        if (poll(&p, 1, 0) == 1)
            if (hostevents* h = currenthost())
                h->readable(p.fd);
    }
}

int headlessfront::runpainted()
{
    progress();
    while (!done_) {
        pollwatched();
        if (done_)
            break;
        if (atend()) {
            ended_ = true;
            if (hostevents* h = currenthost())
                h->close();
            break;
        }
        deliverpainted(items_[next_++]);
        progress();
    }
    if (status_ == exitstatus::normal && !atend()) {
        std::fprintf(stderr, "%s: script error: items left over when the program ended, from %s\n", programname(),
                     items_[next_].source.c_str());
        status_ = exitstatus::script;
    }
    return status_;
}

void headlessfront::deliverpainted(const scriptitem& item)
{
    hostevents* h = currenthost();
    if (!h)
        return fail();
    switch (item.kind) {
    case itemkind::menu:
        h->command(item.number);
        break;
    case itemkind::close:
        h->close();
        break;
    case itemkind::dump:
        if (!dump(item.text))
            fail();
        break;
    case itemkind::answer:
        error("no box to answer with " + item.source);
        break;
    default:
        error(item.source + " is not an item of this program");
        break;
    }
}

bool headlessfront::paintdump(const std::string& name)
{
    std::string base = out_ + "/" + name;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, paintwidth_, paintheight_);
    cairo_t* cr = cairo_create(image);
    if (hostevents* h = currenthost(); h && window_)
        h->paint(cr, paintwidth_, paintheight_);
    cairo_destroy(cr);
    bool png = cairo_surface_write_to_png(image, (base + ".png").c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(image);

    std::ofstream text(base + ".txt", std::ios::binary);
    text << "title: " << title_ << "\nenabled:";
    size_t count = 0;
    const menuentry* table = menutable(menu_.bar, count);
    for (const menuentry& e : std::span(table, count)) {
        auto it = menu_.enabled.find(e.id);
        if (e.id > 0 && (it == menu_.enabled.end() || it->second))
            text << " " << e.id;
    }
    text << "\nboxes:\n";
    for (const std::string& box : boxes_)
        text << box << "\n--\n";
    text.close();
    if (!png || !text)
        std::fprintf(stderr, "%s: cannot write the dump %s\n", programname(), base.c_str());
    return png && text;
}

}  // namespace platform
