#include "objects/dabaresident.h"

#include "objects/context.h"

// No object of the local context can be made yet: its list is empty.
bool residentidentities(std::vector<dabaheader>& objects)
{
    objects.clear();
    return localobjects != nullptr;
}
