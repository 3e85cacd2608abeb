// What the compiler asks of the objects that a formula calls.
#include "formula/compile.h"
#include "formula/services.h"
#include "objects/fu.h"
#include "objects/hooks.h"

namespace objectservices {

std::string fullname(const fu* object)
{
    return object->fullname();
}

int originlibrary(const fu* object)
{
    return object->origin;
}

bool implementcomponent(fu* object, int passmode)
{
    if (passmode == compilemode::fingerprint)
        return object->recordfingerprint();
    return object->implement(uint8_t(passmode), 0);
}
}  // namespace objectservices
