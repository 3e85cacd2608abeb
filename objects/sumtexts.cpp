#include <cstdio>

#include "base/report.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"

const char* sumformat(complex z, char type)
{
    static char text[80];
    if (type == 'e')
        std::snprintf(text, sizeof text, "%.15g +i* %.15g", z.re, z.im);
    else
        std::snprintf(text, sizeof text, "%.15g", z.re);
    return text;
}

namespace {
const char* resultlabel(const sumrecord& r)
{
    if (!r.infinite)
        return r.runstate == 2 ? "Finite sum =" : "Finite summation interrupted at";
    if (!r.accel && r.runstate == 1)
        return "Partial sum =";
    switch (r.mode) {
    case '+': return "Series limit =";
    case '-': return "Alternating series limit =";
    case 'c': return "Series limit (with cosine factor) =";
    case 's': return "Series limit (with sine factor) =";
    case 'e': return "Complex series limit =";
    default: return "Summation type unknown =";
    }
}
}

std::string sumresult(sumrecord& record)
{
    record.label = resultlabel(record);
    return std::string("\n ") + record.label + " " + sumformat(record.current(), record.mode);
}

const char* sumerrortext(int code)
{
    switch (code) {
    case sumpaused:
    case suminterrupted:
    case sumcomplete:
        return nullptr;
    case 1: return "\n Allocation failure during acceleration \n";
    case 2: return "\n More than 5 nested acceleration calls \n";
    case 3: return "\n Accelerator error: inner loop fails to converge \n";
    case 4:
        return "\n Accelerator error: outer loop fails to converge \n\r"
               " (Convergence may be too slow, or missing, or method may fail due \n\r"
               " to absence of complete monotony. Use <m> to test for the latter.)\n";
    case sumevalerror: return "\n Runtime error while computing a sequence element \n";
    default: return "\n Unknown error type \n";
    }
}

void sumerror(int code)
{
    if (const char* text = sumerrortext(code))
        report(reportkind::message, text, " Summation Error ", 10);
}
