#include "base/chain.h"

listnode* chain::findprev(listnode* e)
{
    listnode* prev = nullptr;
    int place = 1;
    for (listnode* node = head; node; node = node->next, place++) {
        if (node == e) {
            position = place;
            return prev;
        }
        prev = node;
    }
    position = e ? 0 : count;
    return e ? nullptr : prev;
}

int chain::indexof(listnode* e)
{
    findprev(e);
    return position;
}

int chain::seek(listnode* e)
{
    if (!e || indexof(e) == 0)
        return 0;
    cursor = position;
    return position;
}

listnode* chain::at(int i) const
{
    return nthitem(head, i < 1 ? 1 : i);
}

void chain::setcursor(int i)
{
    if (i <= count)
        cursor = i;
}

int chain::append(listnode* e)
{
    e->next = nullptr;
    if (head)
        lastitem(head)->next = e;
    else
        head = e;
    return ++count;
}

int chain::push(listnode* e)
{
    e->next = head;
    head = e;
    return ++count;
}

int chain::insertbefore(listnode* e, listnode* p)
{
    listnode* prev = findprev(p);
    if (position == 0)
        return 0;
    if (!prev)
        return push(e);
    e->next = p;
    prev->next = e;
    return ++count;
}

bool chain::remove(listnode* e)
{
    if (!e)
        return false;
    listnode* prev = findprev(e);
    if (position == 0)
        return false;
    (prev ? prev->next : head) = e->next;
    count--;
    return true;
}

bool chain::erase(listnode* e)
{
    if (!remove(e))
        return false;
    delete e;
    return true;
}

void chain::erasecurrent()
{
    erase(current());
    cursor = count ? 1 : 0;
}

void chain::clear()
{
    while (head) {
        listnode* node = head;
        head = node->next;
        delete node;
    }
    count = 0;
}

void chain::detachall()
{
    head = nullptr;
    count = 0;
    cursor = 0;
}
