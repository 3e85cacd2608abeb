#include "plots/runclippers.h"

#include "plots/canplot.h"

runchain::runchain(canplot& curve, clipper* extra, std::unique_ptr<clipper> frontclipper,
                   std::unique_ptr<clipper> boundclipper)
    : curve(curve), front(std::move(frontclipper)), bound(std::move(boundclipper))
{
    listnode* own = curve.ownclipperlist();
    ownlast = static_cast<clipper*>(lastitem(own));
    listnode* head = nullptr;
    listnode** tail = &head;
    auto add = [&](listnode* first, listnode* last) {
        if (!first)
            return;
        *tail = first;
        tail = &last->next;
    };
    add(front.get(), front.get());
    add(own, ownlast);
    add(bound.get(), bound.get());
    add(extra, lastitem(extra));
    curve.runclippers = static_cast<clipper*>(head);
}

runchain::~runchain()
{
    if (ownlast)
        ownlast->next = nullptr;
    curve.runclippers = nullptr;
}
