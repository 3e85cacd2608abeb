// Shows the formula engine's reports in framed message boxes.
#pragma once

#include "base/report.h"

class reportbox : public reportsink {
public:
    int report(reportkind kind, const std::string& text, const char* caption, int footer) override;
};

// The computing thread's sink, installed while it runs.
reportsink& boxreports();
