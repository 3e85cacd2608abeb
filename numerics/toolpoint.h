// One evaluation of a tool's function at a point, read as the searches
// read it: a value, a failure (the evaluator's error byte), or a user
// break (error byte 4, or a STOP request confirmed between evaluations,
// which then becomes error byte 4 so that the command sees it).
#pragma once

class fu;

enum class pointstate { ok, failed, stopped };

struct toolpoint {
    double y;
    pointstate state;
    bool ok() const { return state == pointstate::ok; }
};

// The error byte is cleared first unless it holds a user break.
toolpoint evalat(fu& f, double x);
