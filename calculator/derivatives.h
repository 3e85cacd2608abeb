// Numeric derivatives of a user object by central difference quotients,
// and the evaluation of an object for argument pointers.  Everything runs
// on the shared value stack; errors show only in the shared error byte.
#pragma once

class fu;

// Value of the object at x through its single-value slot.
double derivative1(fu* object, double x);
double derivative2(fu* object, double x);
double derivative3(fu* object, double x);
// f'' * (1 + f'^2)^(-1.5).
double curvature(fu* object, double x);

// All values of the object differentiated by argument k (1-based); args
// holds a pointer per argument and designates the caller's doubles again
// afterwards.  The result is the shared result vector; null when the
// object is not implemented, k is not one of its arguments (error byte 2)
// or it has more values than the work arrays take (reported, error byte 2).
double* vderivative1(fu* object, double** args, short k);
double* vderivative2(fu* object, double** args, short k);
double* vderivative3(fu* object, double** args, short k);
double* vcurvature(fu* object, double** args, short k);

// Prepares a stale object first; then its values for the arguments that
// args points at (one per argument), or null when it is not implemented.
double* callobject(fu* object, double** args);

using scalarderivative = double (*)(fu* object, double x);
using vectorderivative = double* (*)(fu* object, double** args, short k);
