// The evaluator's former loop, kept as the reference of the differential test.
#pragma once

class parser;

// Runs p's code on the shared value stack the way parser::calc did.
double referencecalc(parser& p, double* args);
