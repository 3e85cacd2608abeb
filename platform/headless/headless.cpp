#include "platform/headless/headless.h"
#include "platform/headless/dialoganswer.h"
#include "platform/headless/pdfprinter.h"

#include "platform/core/clock.h"
#include "platform/core/input.h"
#include "platform/core/keyqueue.h"
#include "platform/core/monotony.h"
#include "platform/core/pausegate.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

constexpr int desktopwidth = 1280, desktopheight = 1024;

std::atomic<headlessfront*> active{nullptr};
// The program's clock reading from which a <busy N> item holds.
std::atomic<long long> holdfrom{0};

bool busynow()
{
    hostevents* h = currenthost();
    return h && h->busy();
}

bool busyhold()
{
    return busynow() && clockms() >= holdfrom.load();
}

}  // namespace

bool headlessfront::load(const headlessoptions& options, std::string& error)
{
    // A folder opens as a stream that reads nothing: refuse it.
    struct stat st;
    std::ifstream in(options.script, std::ios::binary);
    if (!in || stat(options.script.c_str(), &st) || S_ISDIR(st.st_mode)) {
        error = "cannot read the script " + options.script;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (!parsescript(text.str(), items_, error))
        return false;
    mkdir(options.out.c_str(), 0777);
    if (stat(options.out.c_str(), &st) || !S_ISDIR(st.st_mode)) {
        error = "cannot use the output folder " + options.out;
        return false;
    }
    out_ = options.out;
    timeoutms_ = options.timeout * 1000LL;
    lenient_ = options.lenient;
    return true;
}

bool headlessfront::createwindow(const std::string& title)
{
    if (!mainsurface().exists())
        return false;
    title_ = title;
    window_ = true;
    attachmenu("STOPMENU");
    menuenable(40042, false);
    active = this;
    setvirtualclock(true);
    computekeys().setwaithook(signal);
    setparkhook(signal);
    input().setpollhook(pollmouse);
    if (hostevents* h = currenthost())
        h->focus(true);
    return true;
}

void headlessfront::destroywindow()
{
    window_ = false;
    done_ = true;
}

void headlessfront::quit(int status)
{
    status_ = status;
    done_ = true;
}

void headlessfront::signal()
{
    headlessfront* f = active.load();
    if (!f)
        return;
    {
        std::lock_guard guard(f->lock_);
        f->signalled_ = true;
    }
    f->event_.notify_one();
}

void headlessfront::wake()
{
    signal();
}

void headlessfront::desktop(int& width, int& height)
{
    width = desktopwidth;
    height = desktopheight;
}

void headlessfront::workarea(int& left, int& top, int& right, int& bottom)
{
    left = top = 0;
    right = desktopwidth;
    bottom = desktopheight;
}

void headlessfront::progress()
{
    lastprogress_ = msecs();
    ++steps_;
}

int headlessfront::run()
{
    if (painted_)
        return runpainted();
    progress();
    long acted = -1;
    while (!done_) {
        {
            // After an item was used, look again at once: it may have left
            // the reader waiting without a signal.
            std::unique_lock guard(lock_);
            if (acted == steps_)
                event_.wait_for(guard, std::chrono::milliseconds(50), [this] { return signalled_; });
            signalled_ = false;
        }
        acted = steps_;
        runrequests();
        if (done_)
            break;
        step();
        if (!done_ && msecs() - lastprogress_ > timeoutms_)
            error(ended_ ? "the program did not end after the script" : "time-out: the program made no progress");
    }
    if (status_ == exitstatus::normal && !lenient_ && (!atend() || release_)) {
        std::fprintf(stderr, "%s: script error: items left over when the program ended, from %s\n", programname(),
                     atend() ? clicked_.source.c_str() : items_[next_].source.c_str());
        status_ = exitstatus::script;
    }
    computekeys().setwaithook(nullptr);
    setparkhook(nullptr);
    input().setpollhook(nullptr);
    release();
    setvirtualclock(false);
    active = nullptr;
    return status_;
}

const char* programname()
{
    return program_invocation_short_name;
}

void headlessfront::error(const std::string& text)
{
    if (status_ == exitstatus::script)
        return;
    std::fprintf(stderr, "%s: script error: %s\n", programname(), text.c_str());
    dump("end");
    status_ = exitstatus::script;
    done_ = true;
}

void headlessfront::complain(const std::string& text)
{
    if (!lenient_)
        error(text);
}

void headlessfront::fail()
{
    if (status_ == exitstatus::normal)
        status_ = exitstatus::failed;
    done_ = true;
}

void headlessfront::step()
{
    if (!atend() && items_[next_].kind == itemkind::busy) {
        busyblock();
        return;
    }
    if (computekeys().blocked())
        feedkeys();
    else if (lenient_)
        typeintobusy();
}

// Holds a computation that reads no key 200 ms of its clock later and
// gives it the next item (the close at the end), as a user types into it.
void headlessfront::typeintobusy()
{
    constexpr long long patience = 200;
    if (!busynow() || done_)
        return;
    if (!holding_) {
        holding_ = true;
        holdfrom = clockms() + patience;
        holdwhen(busyhold);
        return;
    }
    if (!parked())
        return;
    holding_ = false;
    progress();
    if (atend()) {
        ended_ = true;
        if (hostevents* h = currenthost())
            h->close();
    } else {
        deliver(items_[next_++]);
    }
    release();
}

// The computing thread waits for a key and its queue is empty: deliver
// items until a key code is queued.
void headlessfront::feedkeys()
{
    input().setmodifiers(false, false, false);
    if (release_) {
        release_ = false;
        mouse(clicked_, mouseaction::release);
        progress();
        return;
    }
    if (atend()) {
        if (ended_)
            return error("the program waits for a key after the end of the script");
        ended_ = true;
        progress();
        if (hostevents* h = currenthost())
            h->close();
        return;
    }
    while (!done_ && computekeys().blocked()) {
        // A press that posted nothing (on a panel or a hot spot): its
        // release comes before the next item.
        if (release_) {
            long posted = computekeys().posted();
            release_ = false;
            mouse(clicked_, mouseaction::release);
            progress();
            if (computekeys().posted() != posted)
                return;
            continue;
        }
        if (atend())
            return;
        const scriptitem& item = items_[next_];
        if (item.kind == itemkind::busy) {
            if (!busynow())
                error("the program waits for a key at " + item.source);
            return;
        }
        ++next_;
        progress();
        // The key that starts a computation before a <busy> item: hold it at
        // its first checkpoint while busy (or N ms of the program's clock
        // later), or a short run may end unseen.
        if (!atend() && items_[next_].kind == itemkind::busy)
            armhold();
        long posted = computekeys().posted();
        // One key code per wait: the reader may take it and wait again at once.
        if (!deliver(item) || computekeys().posted() != posted)
            return;
    }
}

// Items typed while a computation is under way: wait until the computing
// thread parks at a checkpoint while busy, deliver up to </busy>, let go.
void headlessfront::busyblock()
{
    if (armed_ != next_)
        armhold();
    bool waiting = computekeys().blocked() && busynow();  // a dialogue of the computation reads keys
    if (!parked() && !waiting) {
        if (computekeys().blocked() && !busynow())
            error("the program waits for a key at " + items_[next_].source);
        return;
    }
    ++next_;
    progress();
    while (!done_) {
        if (atend()) {
            error("the script ends inside <busy>");
            break;
        }
        const scriptitem& item = items_[next_++];
        if (item.kind == itemkind::endbusy)
            break;
        if (!deliver(item))
            break;
    }
    release();
}

// Holds the computing thread for the <busy> item at next_.
void headlessfront::armhold()
{
    armed_ = next_;
    holdfrom = clockms() + items_[next_].number;
    holdwhen(busyhold);
}

bool headlessfront::deliver(const scriptitem& item)
{
    hostevents* h = currenthost();
    if (!h)
        return false;
    switch (item.kind) {
    case itemkind::key:
        if (item.key.ch && !item.key.alt && !h->cantype(item.key.ch)) {
            complain("the text font cannot show " + item.source);
            return lenient_;
        }
        input().setmodifiers(item.key.shift, item.key.ctrl, item.key.alt);
        if (!h->key(item.key) && item.key.alt && item.key.vk == vk::f4)
            h->close();
        return true;
    case itemkind::code:
        computekeys().post(item.number);
        return true;
    case itemkind::mouse:
        mouse(item, item.action);
        if (item.click) {
            release_ = true;
            clicked_ = item;
        }
        return true;
    case itemkind::menu:
        h->command(item.number);
        return true;
    case itemkind::close:
        h->close();
        return true;
    case itemkind::dump:
        if (!dump(item.text))
            fail();
        return !done_;
    case itemkind::info:
        deliverinfo(item);
        return true;
    case itemkind::answer:
        if (delivermodeless(item))
            return !done_;
        complain("no box to answer with " + item.source);
        return lenient_;
    case itemkind::busy:
    case itemkind::endbusy:
        error("misplaced " + item.source);
        return false;
    }
    return false;
}

void headlessfront::mouse(const scriptitem& item, mouseaction action)
{
    int x = item.x, y = item.y;
    if (!item.pixels) {
        screensurface& s = mainsurface();
        int cw = s.width() / cellcolumns, ch = s.height() / cellrows;
        x = (x - 1) * cw + cw / 2;
        y = (y - 1) * ch + ch / 2;
    }
    input().setmodifiers(item.key.shift, item.key.ctrl, item.key.alt);
    if (panels_.route(action, item.button, x, y))
        return;
    if (hostevents* h = currenthost())
        h->mouse(action, item.button, x, y);
}

// The computing thread reads a mouse button: the next mouse item acts.
void headlessfront::pollmouse()
{
    callmain(
        [](void* self) -> long {
            auto* f = static_cast<headlessfront*>(self);
            if (f->release_) {
                f->release_ = false;
                f->mouse(f->clicked_, mouseaction::release);
            } else if (!f->atend() && f->items_[f->next_].kind == itemkind::mouse) {
                f->deliver(f->items_[f->next_++]);
            } else if (f->lenient_ && (input().leftdown() || input().rightdown())) {
                // A button held with no mouse item to come is let go.
                scriptitem up;
                up.kind = itemkind::mouse;
                up.button = input().leftdown() ? mousebutton::left : mousebutton::right;
                up.pixels = true;
                up.x = input().position().x;
                up.y = input().position().y;
                f->mouse(up, mouseaction::release);
            } else {
                return 0;
            }
            f->progress();
            return 0;
        },
        active.load());
}

bool headlessfront::dump(const std::string& name)
{
    if (painted_)
        return paintdump(name);
    std::string base = out_ + "/" + name;
    std::ofstream text(base + ".txt", std::ios::binary);
    text << celltext() << dumpsuffix();
    text.close();
    const char* failed = !text ? ".txt"
                         : !writeimage(base + ".png") ? ".png"
                         : !dumpmodeless(base) ? "-dialog.txt"
                         : monotonyunit_ && !monotonypng(base + "-monotony.png", monotonyunit_) ? "-monotony.png"
                                                                                             : nullptr;
    if (failed)
        std::fprintf(stderr, "%s: cannot write the dump %s%s\n", programname(), base.c_str(), failed);
    return !failed;
}

std::string headlessfront::dumpsuffix() const
{
    static const char* names[] = {"arrow", "pen", "help", "wait"};
    std::string lines;
    for (const panelrecord& p : panels_.all())
        if (p.shown)
            lines += "\npanel " + std::to_string(p.handle) + " at " + std::to_string(p.x) + "," + std::to_string(p.y)
                     + " size " + std::to_string(p.width) + "x" + std::to_string(p.height);
    if (cursor() != cursorkind::arrow)
        lines += std::string("\ncursor ") + names[int(cursor())];
    return lines;
}

// The surface, with the shown panels over it.
bool headlessfront::writeimage(const std::string& path)
{
    screensurface& s = mainsurface();
    if (!panels_.anyshown())
        return s.writepng(path);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s.width(), s.height());
    cairo_t* cr = cairo_create(image);
    bool painted = false;
    {
        std::lock_guard guard(s.lock());
        if (s.image()) {
            cairo_surface_flush(s.image());
            cairo_set_source_surface(cr, s.image(), 0, 0);
            cairo_paint(cr);
            painted = true;
        }
    }
    panels_.paint(cr);
    cairo_destroy(cr);
    bool written = painted && cairo_surface_write_to_png(image, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(image);
    return written;
}

int headlessfront::rundialog(dialogtemplate& dialog)
{
    writeimages(dialog, out_);
    int result = answerdialogitem(dialog);
    std::ofstream log(out_ + "/dialogs.txt", std::ios::binary | std::ios::app);
    log << dialogvalues(dialog, result);
    return result;
}

int headlessfront::answerdialogitem(dialogtemplate& dialog)
{
    const scriptitem* item = answer("the dialog " + dialog.name);
    std::string bad;
    if (!item && lenient_) {
        int result = answerdialog(dialog, "ok", bad);
        result = result ? result : answerdialog(dialog, "cancel", bad);
        return result ? result : 2;
    }
    if (!item)
        return 2;
    switch (item->answer) {
    case answerkind::ok:
    case answerkind::cancel:
        // The ending button as the dialog's logic takes it.
        if (int result = answerdialog(dialog, item->answer == answerkind::ok ? "ok" : "cancel", bad))
            return result;
        break;
    case answerkind::text:
        for (dialogcontrol& c : dialog.controls)
            if (c.kind == controlkind::edit) {
                c.value = item->text;
                return 1;
            }
        break;
    case answerkind::dialog:
        if (int result = answerdialog(dialog, item->text, bad))
            return result;
        complain(item->source + " does not answer the dialog " + dialog.name + " at " + bad);
        return 2;
    default:
        break;
    }
    complain(item->source + " does not answer the dialog " + dialog.name);
    return 2;
}

int headlessfront::modelesscreate(dialogtemplate& dialog)
{
    modeless_.push_back({++lastmodeless_, &dialog, true});
    return lastmodeless_;
}

void headlessfront::modelessdestroy(int handle)
{
    std::erase_if(modeless_, [handle](const modelessrecord& r) { return r.handle == handle; });
}

void headlessfront::modelessshow(int handle, bool shown)
{
    for (modelessrecord& r : modeless_)
        if (r.handle == handle)
            r.shown = shown;
}

bool headlessfront::delivermodeless(const scriptitem& item)
{
    if (item.answer != answerkind::dialog)
        return false;
    std::istringstream words(item.text);
    std::string name;
    words >> name;
    auto open = std::find_if(modeless_.begin(), modeless_.end(),
                             [&](const modelessrecord& r) { return r.shown && r.dialog->name == name; });
    if (open == modeless_.end())
        return false;
    std::string rest, bad;
    std::getline(words, rest);
    int handle = open->handle;
    dialogtemplate& d = *open->dialog;
    int result = answerdialog(d, rest, bad, true);
    if (!bad.empty())
        error(item.source + " does not fit the dialog " + name + " at " + bad);
    else if (result > 0)
        modelessdestroy(handle);
    return true;
}

bool headlessfront::dumpmodeless(const std::string& base)
{
    for (const modelessrecord& r : modeless_) {
        if (!r.shown)
            continue;
        std::string values = dialogvalues(*r.dialog, 0, true);
        std::ofstream out(base + "-" + r.dialog->name + ".txt", std::ios::binary);
        out << values.substr(values.find('\n') + 1);
        if (!out)
            return false;
    }
    return true;
}

void headlessfront::monotonyshow(int unit)
{
    monotonyunit_ = unit;
    ++monotonyshows_;
}

int headlessfront::infocreate(const std::string& title, int x, int y, int width, int height)
{
    infos_.push_back({int(infos_.size()) + 1, title, x, y, width, height});
    return infos_.back().handle;
}

inforecord* headlessfront::info(int handle)
{
    if (handle < 1 || handle > int(infos_.size()) || !infos_[handle - 1].open)
        return nullptr;
    return &infos_[handle - 1];
}

void headlessfront::infodestroy(int handle)
{
    if (inforecord* r = info(handle))
        r->open = r->shown = false;
}

void headlessfront::infoshow(int handle, bool shown, bool iconic)
{
    if (inforecord* r = info(handle)) {
        r->shown = shown;
        r->iconic = iconic;
    }
}

bool headlessfront::infoposition(int handle, int& x, int& y)
{
    inforecord* r = info(handle);
    if (r) {
        x = r->x;
        y = r->y;
    }
    return r;
}

bool headlessfront::infoiconic(int handle)
{
    inforecord* r = info(handle);
    return r && r->iconic;
}

// To the newest open info window: its close button or a key.
void headlessfront::deliverinfo(const scriptitem& item)
{
    auto open = std::find_if(infos_.rbegin(), infos_.rend(), [](const inforecord& r) { return r.open; });
    hostevents* h = currenthost();
    if (open == infos_.rend() || !h)
        return complain("no info window for " + item.source);
    if (item.infoclose)
        h->infoclose(open->handle);
    else
        h->infokey(open->handle, item.key);
}

const scriptitem* headlessfront::answer(const std::string& what)
{
    if (ended_ || atend() || items_[next_].kind != itemkind::answer) {
        complain(what + " needs an answer"
              + (ended_ || atend() ? std::string(" after the end of the script") : ", found " + items_[next_].source));
        return nullptr;
    }
    progress();
    return &items_[next_++];
}

boxanswer headlessfront::messagebox(const std::string& text, const std::string& caption, boxbuttons buttons,
                                    boxicon icon, bool owned)
{
    boxes_.push_back(text);
    bool yesno = buttons == boxbuttons::yesno || buttons == boxbuttons::yesnocancel;
    boxanswer fallback = lenient_ ? (yesno ? boxanswer::yes : boxanswer::ok)
                         : buttons == boxbuttons::ok    ? boxanswer::ok
                         : buttons == boxbuttons::yesno ? boxanswer::no
                                                        : boxanswer::cancel;
    const scriptitem* item = answer("the box \"" + text + "\"");
    if (!item)
        return fallback;
    bool cancel = buttons == boxbuttons::okcancel || buttons == boxbuttons::yesnocancel;
    switch (item->answer) {
    case answerkind::yes:
        if (yesno) return boxanswer::yes;
        break;
    case answerkind::no:
        if (yesno) return boxanswer::no;
        break;
    case answerkind::ok:
        if (!yesno) return boxanswer::ok;
        break;
    case answerkind::cancel:
        if (cancel) return boxanswer::cancel;
        break;
    default:
        break;
    }
    complain(item->source + " does not answer the box \"" + text + "\"");
    return fallback;
}

std::string headlessfront::filedialog(bool save, const std::vector<filefilter>&, const std::string&,
                                     const std::string&)
{
    const scriptitem* item = answer(save ? "the save dialog" : "the open dialog");
    if (!item || item->answer == answerkind::cancel)
        return {};
    if (item->answer != answerkind::file || item->text.empty()) {
        complain(item->source + " does not answer the file dialog");
        return {};
    }
    return item->text[0] == '/' ? item->text : out_ + "/" + item->text;
}

std::unique_ptr<printjob> headlessfront::printdialog(const std::string& docname, bool landscape)
{
    const scriptitem* item = answer("the print dialog for \"" + docname + "\"");
    if (!item || item->answer == answerkind::cancel)
        return nullptr;
    if (item->answer != answerkind::file || item->text.empty()) {
        complain(item->source + " does not answer the print dialog");
        return nullptr;
    }
    std::string path = item->text[0] == '/' ? item->text : out_ + "/" + item->text;
    return pdfprinter(path, landscape);
}

bool headlessfront::fontdialog(fontchoice& font, bool printer)
{
    const scriptitem* item = answer("the font dialog");
    if (!item || item->answer == answerkind::cancel)
        return false;
    size_t blank = item->text.rfind(' ');
    int size = 0;
    if (item->answer != answerkind::font || blank == std::string::npos
        || !scriptnumber(item->text.substr(blank + 1), 1, 999, size)) {
        complain(item->source + " does not answer the font dialog");
        return false;
    }
    font.face = item->text.substr(0, blank);
    font.height = size;
    font.width = 0;
    return true;
}

}  // namespace platform
