// The database's answers to the compiler: the resolver's questions and the
// assistance in its diagnostics.
#include "formula/services.h"
#include "objects/context.h"
#include "objects/fudaba.h"
#include "objects/hooks.h"

bool databaseassistance = true;

namespace objectservices {
bool databaseinuse()
{
    return database && databaseassistance;
}

int databaseversions(const char* name, int argc, int valuecount)
{
    return databaseinuse() ? database->findunique(name, argc, valuecount, currentlibrary) : 0;
}

bool databaselists(int library, const char* name, int argc, int valuecount)
{
    return databaseinuse() && database->exists(name, argc, valuecount, library);
}

int databasecollect(const char* name, int valuecount, namesused& names)
{
    return databaseinuse() ? database->collect(name, valuecount, names) : 0;
}

int databasevalues(const char* name)
{
    return databaseinuse() ? database->nvaluesof(name) : 0;
}
}  // namespace objectservices

const char* switchassistance()
{
    databaseassistance = !databaseassistance;
    if (databaseassistance)
        return "Compilations will use database assistance";
    if (database)
        database->invalidateall();
    return "Compilations will not use the database";
}
