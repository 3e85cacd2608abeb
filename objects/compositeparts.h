// What the implementations of the composite kinds share: the own store
// dropped when no component declares a static variable, and the
// components' compiled state handed to the fingerprint.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include <cstdint>

class compositefu;
class fu;
class fu1;
class markset;
class slotcomp;

// Deletes the object's own store when marks declare no static or constant
// variable; the components' parsers let go of it first.
void dropunusedstore(fu& object, const markset& marks, std::span<slotcomp* const> components);
// The fingerprint of a composite object: one not implemented is recorded
// and implemented; otherwise parts records what the object is made of and
// the span is registered.  False on a failure.
bool fingerprintparts(fu& object, const std::function<bool()>& parts);
// The same for an object made of components (in the order given), each
// readied in turn.
bool fingerprintcomponents(fu& object, std::span<slotcomp* const> components);
// The start of a composite object's implementation: 0 when it goes on
// (stamp cleared, diagnostics cleared, values counted), 1 when it is
// implemented already and force is 1, -1 when it cannot (incomplete, no
// diagnostics collector).
int beginimplement(compositefu& object, uint8_t force);
// The view page of a composite object from column 20, row 7: the heading
// lines (signature, own store, context), lines, the comment; the key that
// closed it.
int showcomposite(fu1& object, const char* caption, const std::vector<std::string>& lines);
