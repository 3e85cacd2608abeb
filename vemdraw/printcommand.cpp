#include "vemdraw/printcommand.h"

#include "vemdraw/messages.h"
#include "vemdraw/model.h"
#include "vemdraw/render.h"

#include "platform/core/front.h"

namespace {

constexpr double smallest = 10.0;   // mm

bool marginsfit(const diagram& d, const printerdate& p)
{
    if (marginsvalid(p, d.marginleft, d.margintop, d.marginright, d.marginbottom, p.orientation))
        return true;
    errorbox("The margins do not fit the chosen paper. \n\rWhy don't you check them in the \"Size\" dialogue.",
             " Command aborted ");
    return false;
}

}  // namespace

bool printablesize(const diagram& d)
{
    mmrect paper = d.paperrect();
    if (paper.width() >= smallest && paper.height() >= smallest)
        return true;
    errorbox("Cannot print diagrams with sides below 1cm ! \n\rWhy don't you check the effective size in the "
             "\"Size\" dialogue.",
             " Command aborted ");
    return false;
}

void fileprintcommand(const nodelist& diagrams, printerdate& printer)
{
    platform::front* f = platform::currentfront();
    diagram* d = firstdiagram(diagrams);
    // Without printer data the size is known only from the chosen printer.
    if (!f || !d || (printer.valid && !printablesize(*d)))
        return;
    std::unique_ptr<platform::printjob> job;
    {
        modalscope open;
        job = f->printdialog("VE Diagram", printer.orientation == orientation::landscape);
    }
    if (!job)
        return;
    platform::printercaps caps;
    if (job->caps(caps) && printer.fill(&caps))
        printer.orientation = job->landscape() ? orientation::landscape : orientation::portrait;
    d = firstdiagram(diagrams);
    if (!d || !marginsfit(*d, printer) || !printablesize(*d))
        return;
    if (!job->startpage()) {
        bugbox("StartDoc() failed in fileprintCOMMAND()");
        return;
    }
    printdiag(job->context(), d);
    if (!job->endpage() || !job->finish())
        errorbox("The diagram could not be printed completely.", " Command aborted ");
}
