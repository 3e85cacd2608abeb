// The test command of the value count read from a formula's text alone,
// started by the calculator's key command F8 then "2" (computing thread).
#pragma once

// Asks for formulas and tells the value count of each, until Esc.
void testnfv();
