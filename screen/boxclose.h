// Closing framed boxes and freeing line holders: each restores the screen
// saved beneath the box and leaves the caller's handle empty; an empty
// handle is ignored.
#pragma once

#include <optional>

#include "screen/boxframe.h"

class linelist;

// A box held in place.
void closebox(std::optional<boxframe>& box);
// A box on the heap, which is freed.
void deletebox(boxframe*& box);
// A line holder and its lines.
void releaseholder(linelist*& holder);
