// The perspective's transfer file name through "Writing a binary Plotfile".
#include <cstring>

#include "plots/makerkp.h"
#include "plots/plot.h"
#include "plots/plotcommands.h"
#include "plots/transferfile.h"

std::string asktransfername(plotpsp& p, const std::string& directory)
{
    filenamerecord record;
    std::memcpy(record.name, p.transfer.name, sizeof record.name);
    record.name[sizeof record.name - 1] = 0;
    record.startprinter = startvemdrawwhenfinished;
    if (makerkpdialog(record, directory) != 13)
        return {};
    startvemdrawwhenfinished = record.startprinter;
    std::memcpy(p.transfer.name, record.name, sizeof record.name);
    return record.name;
}
