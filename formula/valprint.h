// The fingerprint of an object that owns a value table (math/valtable.h):
// the Runge-Kutta function objects' slots call it.  While the global
// fingerprint records: counts the table and its bytes, then takes the
// checksum from byte index from and record index records on as the
// table's stamp, or resets the table when a free record follows.
#pragma once

#include <cstdint>

class valtable;

void addfingerprint(valtable* table, uint32_t from, uint32_t records);
