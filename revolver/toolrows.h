// The calculator commands of the nonlinear tools and the summation
// environment (nlcmds.cpp, sumcmd.cpp), for the command table.
#pragma once

class calculator;

void summation(calculator& c);         // "+": finite and infinite summation
void dsminimize(calculator& c);        // "Mi": n-dimensional minimum
void dsmaximize(calculator& c);        // "Ma": n-dimensional maximum
void solvezero(calculator& c);         // "n0": nonlinear system, right sides 0
void solvetargets(calculator& c);      // "nn": nonlinear system, right sides entered
