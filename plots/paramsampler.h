// The parametric sampler's parts that are reached from outside a run.
#pragma once

class plotcmdlist;

// Appends the commands of source to those of destination: source's first
// command replaces destination's end command.  False without memory.
bool appendcommands(plotcmdlist& destination, const plotcmdlist& source);
