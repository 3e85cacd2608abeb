#include "objects/dabaresident.h"

#include "objects/context.h"
#include "objects/fu1.h"

bool residentidentities(std::vector<dabaheader>& objects)
{
    objects.clear();
    if (!context)
        return false;
    for (listnode* node = context->head; node; node = node->next) {
        const fu1* object = static_cast<const fu1*>(node);
        dabaheader h;
        h.name = object->name;
        h.arguments = object->nargs;
        h.values = object->nvalues;
        h.origin = object->origin;
        objects.push_back(h);
    }
    return true;
}
