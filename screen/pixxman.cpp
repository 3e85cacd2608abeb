#include "screen/pixxman.h"

#include "base/report.h"

pixxman::pixxman(int slotwidth, int slotheight, int slotsperpage, int maxpages)
    : slotw(slotwidth), sloth(slotheight), perpage(slotsperpage), maxpages(maxpages)
{
}

void pixxman::addpage()
{
    page p;
    p.slots.resize(perpage + 1);
    for (int s = 1; s <= perpage; s++)
        p.slots[s] = {true, false, uint16_t(s - 1)};
    p.firstfree = uint16_t(perpage);
    p.freecount = uint16_t(perpage);
    p.pixels = std::make_unique<pixelpage>(slotw, sloth, perpage);
    pages.push_back(std::move(p));
}

long pixxman::newhandle()
{
    size_t n = 0;
    while (n < pages.size() && pages[n].freecount == 0)
        n++;
    if (n == pages.size()) {
        if (int(pages.size()) >= maxpages) {
            error = true;
            return 0;
        }
        addpage();
    }
    page& p = pages[n];
    int s = p.firstfree;
    p.firstfree = p.slots[s].next;
    p.slots[s].free = false;
    p.slots[s].saved = false;
    p.freecount--;
    return long(n + 1) * perpage + s;
}

void pixxman::releasehandle(long handle)
{
    if (handle == 0)
        return;
    long pg = pageof(handle);
    if (handle < 0 || pg < 1 || pg > long(pages.size())) {
        reportf(reportkind::message,
                "Unexpected error in releasehandle():\n\rHandle %ld corresponds to page %ld but there have only \n\r"
                "%ld pages been used so far",
                handle, pg, long(pages.size()));
        return;
    }
    page& p = pages[pg - 1];
    int s = slotof(handle);
    if (p.slots[s].free) {
        report(reportkind::message, "pixxman::releasehandle(): Receiving invalid handle ");
        return;
    }
    p.slots[s] = {true, false, p.firstfree};
    p.firstfree = uint16_t(s);
    p.freecount++;
}

pixxman::page* pixxman::pageat(long handle, const char* caller)
{
    long pg = pageof(handle);
    if (handle > 0 && pg >= 1 && pg <= long(pages.size()))
        return &pages[pg - 1];
    reportf(reportkind::message, "Invalid handle passed to pixxman::%s", caller);
    return nullptr;
}

bool pixxman::save(long handle, int x, int y)
{
    if (handle == 0)
        return false;
    page* p = pageat(handle, "save");
    if (!p || !target)
        return false;
    int s = slotof(handle);
    p->pixels->save(*target, (x - 1) * slotw, (y - 1) * sloth, s - 1);
    p->slots[s].saved = true;
    return true;
}

bool pixxman::load(long handle, int x, int y)
{
    if (handle == 0)
        return false;
    page* p = pageat(handle, "load");
    if (!p || !target)
        return false;
    p->pixels->load(*target, (x - 1) * slotw, (y - 1) * sloth, slotof(handle) - 1);
    return true;
}

long pixxman::handlesinuse() const
{
    long n = 0;
    for (const page& p : pages)
        n += perpage - p.freecount;
    return n;
}
