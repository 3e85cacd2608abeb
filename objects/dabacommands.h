// The commands of the database's list windows.
#pragma once

#include "objects/dabarec.h"

class dabalist;
class excerptlist;

namespace dabakeys {
constexpr int ins = 338, del = 339, altf = 582, alt1 = 561;
}

void dabakeyhelp();
void excerptkeyhelp();
// The sort-mode menu; the mode chosen, or current for any other key.
sortmode asksortmode(sortmode current);

void dabadisplay(const dabarec* entry);
// <Ins>: a calling calculator for the object of the current entry.
void dabacalculator(dabalist& list);
void dabagoto(dabalist& list);
void dabasort(dabalist& list);
void dabarecall(dabalist& list, int memory);
void dabacopy(dabalist& list, bool move);
void dabaerase(dabalist& list);
void dabafind(dabalist& list);
void dabatab(dabalist& list);
void excerptsort(excerptlist& list);
