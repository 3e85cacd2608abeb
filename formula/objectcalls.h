// What the evaluator and its reports need of a user object (class fu of the
// object family), reached through hooks so that formula/ does not depend on
// objects/.  The object family installs them at start-up (startobjects,
// formula/hooks.h); until then there are no objects to call.
#pragma once

class fu;

struct objectcalls {
    // Evaluates the object with its arguments at args (directly below the
    // shared top); one value.
    double (*tcalc)(fu* object, double* args);
    // The same for a multi-valued object; pointer to its values.
    double* (*mcalc)(fu* object, double* args);
    // "name#values(arguments)" style full name; never null.
    const char* (*fullname)(const fu* object);
    // The object's own name; never null, "" when it has none.
    const char* (*name)(const fu* object);
    short (*argcount)(const fu* object);
};

void setobjectcalls(const objectcalls& calls);
const objectcalls& objectcall();

// The full name of an object; none for a null object.
const char* fullnameof(const fu* object, const char* none = "");
