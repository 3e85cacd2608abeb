#include "formula/valprint.h"

#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "math/valtable.h"

void addfingerprint(valtable* table, uint32_t from, uint32_t records)
{
    fingerprint* f = shared.print;
    if (!table || !f || !f->recording)
        return;
    f->tablestested++;
    f->tablesize += table->bytesize();
    if (f->hasfree(records))
        table->reset();
    else
        f->checksumfrom(table->stamp, from, records);
}
