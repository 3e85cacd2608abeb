// The formula engine's start: fills the math layer's hooks (math/hooks.h)
// with the evaluator's error reports, its error byte and its fingerprint.
// Programs call it (or the start of a higher layer) before they evaluate
// anything.
#pragma once

void startformula();
