#include "base/listnode.h"

void listinit(listheader& list)
{
    list = {nullptr, nullptr, 0};
}

listnode* nthitem(listnode* first, int n)
{
    if (n < 1)
        return nullptr;
    listnode* node = first;
    while (node && --n > 0)
        node = node->next;
    return node;
}

listnode* lastitem(listnode* first)
{
    while (first && first->next)
        first = first->next;
    return first;
}
