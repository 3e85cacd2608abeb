// The dialogues of the Runge-Kutta set-up: the initialisation dialogue
// that fills a set-up record step by step, the start-value list, the
// questions for order, number of values and independent variable, and
// the description of a system.
#pragma once

#include <cstdint>
#include <string>

#include "formula/rkshape.h"

struct rksetup;

// Repeats the next missing step until the record is complete or a step is
// cancelled; proposal is the formula offered when the record has none.
// True when complete.
bool rkinitdialogue(rksetup& setup, const char* proposal);
// Edits state-length values named after the shape's components, from the
// line given (1-based); true when left with Enter.
bool editstartvalues(double* values, const rkshape& shape, int32_t line = 1);
// Asks a count from 1 to limit under title, again after the refusal
// (formatted with limit); false on Esc with target unchanged.
bool askcount(const char* title, const char* refusal, int limit, uint16_t& target);
// Reads keys until a letter comes; 0 on Esc.
char askletter();
// "Order     = %d" ... "Equation: f'' = ..." with the formula.
std::string rkdescription(const rkshape& shape, const char* formula);
