#include "vemdraw/nodelist.h"

void nodelist::append(listnode* node)
{
    node->next = nullptr;
    if (tail)
        tail->next = node;
    else
        head = node;
    tail = node;
    ++count;
}

void nodelist::removeall()
{
    while (head) {
        listnode* next = head->next;
        delete head;
        head = next;
    }
    tail = nullptr;
    count = 0;
}
