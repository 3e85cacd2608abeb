#include "formula/slist.h"

#include <new>

int slist::append(void* payload)
{
    slistnode* node = new (std::nothrow) slistnode{payload, nullptr};
    if (!node)
        return 0;
    (tail ? tail->next : head) = node;
    tail = node;
    return ++count;
}

int slist::clear()
{
    int old = count;
    while (head) {
        slistnode* node = head;
        head = node->next;
        delete node;
    }
    tail = nullptr;
    count = 0;
    return old;
}

void* slist::nextpayload(const void* payload) const
{
    for (slistnode* node = head; node; node = node->next)
        if (node->payload == payload)
            return node->next ? node->next->payload : nullptr;
    return nullptr;
}

namespace {
struct numbered {
    int number;
    char* text;
};

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameignoringcase(const char* a, const char* b)
{
    while (*a && lower(*a) == lower(*b)) {
        a++;
        b++;
    }
    return lower(*a) == lower(*b);
}
}

stringregistry::~stringregistry()
{
    for (slistnode* node = head; node; node = node->next) {
        numbered* pair = static_cast<numbered*>(node->payload);
        delete[] pair->text;
        delete pair;
    }
}

int stringregistry::add(char* text)
{
    if (!text || find(text))
        return 0;
    numbered* pair = new (std::nothrow) numbered{lastnumber + 1, text};
    if (!pair)
        return 0;
    if (!append(pair)) {
        delete pair;
        return 0;
    }
    return ++lastnumber;
}

int stringregistry::find(const char* text) const
{
    if (!text)
        return 0;
    for (slistnode* node = head; node; node = node->next) {
        const numbered* pair = static_cast<const numbered*>(node->payload);
        if (sameignoringcase(pair->text, text))
            return pair->number;
    }
    return 0;
}

const char* stringregistry::stringof(int n) const
{
    if (n < 1 || n > lastnumber)
        return nullptr;
    for (slistnode* node = head; node; node = node->next) {
        const numbered* pair = static_cast<const numbered*>(node->payload);
        if (pair->number == n)
            return pair->text;
    }
    return nullptr;
}
