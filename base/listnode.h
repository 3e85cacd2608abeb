// The base of every element kept in an intrusive list, and two helpers for
// plain singly linked lists.
#pragma once

class listnode {
public:
    listnode() = default;
    listnode(const listnode&) = default;             // copies next as well
    listnode& operator=(const listnode&) = default;
    virtual ~listnode() = default;

    listnode* next = nullptr;
};

// A list header {head, tail, count} without ownership.
struct listheader {
    listnode* head;
    listnode* tail;
    int count;
};

void listinit(listheader& list);

// The last element of the list that starts at first; null for none.
listnode* lastitem(listnode* first);

// The n-th element (1-based) of the list that starts at first; null for
// n < 1 and past the end.
listnode* nthitem(listnode* first, int n);
