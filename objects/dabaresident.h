// The identities of the local context's objects, in list order, for the
// database's scan of library 0.
#pragma once

#include <vector>

#include "objects/dabascan.h"

// False when there is no local context.
bool residentidentities(std::vector<dabaheader>& objects);
