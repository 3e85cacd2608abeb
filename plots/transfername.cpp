// The transfer file name until its dialog comes: the perspective's last
// name, else PLOTn.RKP after its number.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "plots/plot.h"
#include "plots/transferfile.h"

std::string asktransfername(plotpsp& p)
{
    char* name = p.transfer.name;
    if (!name[0])
        std::snprintf(name, sizeof p.transfer.name, "PLOT%d.RKP", int(p.number % 1000));
    for (char* c = name; *c; ++c)
        *c = char(std::toupper(static_cast<unsigned char>(*c)));
    return name;
}
