#include "vemdraw/nodelist.h"

void nodelist::append(listnode* node)
{
    node->next = nullptr;
    scratch = 0;
    if (!head) {
        head = node;
    } else {
        listnode* last = head;
        for (scratch = 1; last->next; ++scratch)
            last = last->next;
        last->next = node;
    }
    ++count;
}

void nodelist::removeall()
{
    while (head) {
        listnode* next = head->next;
        delete head;
        head = next;
    }
    count = 0;
}
