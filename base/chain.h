// Counted intrusive lists of listnode elements with a 1-based cursor.
#pragma once

#include "base/listnode.h"

// Owns its elements: erase, erasecurrent, clear and the destructor delete
// them.  Every search rewrites position (1-based, 0 when not found).
class chain {
public:
    chain() = default;
    chain(const chain&) = delete;
    chain& operator=(const chain&) = delete;
    ~chain() { clear(); }

    // e found: position = its place, result its predecessor (null for the
    // head).  e null: the last element, position = count.  e absent: null,
    // position = 0.
    listnode* findprev(listnode* e);
    int indexof(listnode* e);
    int seek(listnode* e);              // cursor = place of e; 0 when absent
    listnode* at(int i) const;          // i <= 0 gives the head
    listnode* current() const { return at(cursor); }
    void setcursor(int i);              // ignored when i > count

    int append(listnode* e);            // results: the new count
    int push(listnode* e);
    // Inserts e in front of p (behind the last element for a null p); 0 and
    // nothing inserted when p is absent or the list is empty.
    int insertbefore(listnode* e, listnode* p);

    bool remove(listnode* e);           // unlinks without deleting
    bool erase(listnode* e);
    void erasecurrent();
    void clear();
    // Forgets the elements without deleting them (their owner is elsewhere).
    void detachall();

    int count = 0;
    listnode* head = nullptr;
    int position = 0;
    int cursor = 0;
};

// A chain whose elements are all of type T.
template <class T>
class chainof : public chain {
public:
    T* at(int i) const { return static_cast<T*>(chain::at(i)); }
    T* current() const { return static_cast<T*>(chain::current()); }
    T* first() const { return static_cast<T*>(head); }
};

// A list of elements that carry their link in a second base: head is the
// first element itself, and the listnode part of each element links to
// the listnode part of the following one.  It does not own its elements.
template <class T>
class linkchain {
public:
    int append(T* e)
    {
        listnode* link = e;
        link->next = nullptr;
        if (head)
            lastitem(head)->next = link;
        else
            head = e;
        return ++count;
    }
    static T* following(T* e) { return e->next ? static_cast<T*>(e->next) : nullptr; }

    int count = 0;
    T* head = nullptr;
    int position = 0;
    int cursor = 0;
};
