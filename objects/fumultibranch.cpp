#include "objects/fumultibranch.h"

#include <array>
#include <cstdio>
#include <map>
#include <new>
#include <string>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/checkcomponent.h"
#include "objects/compositeparts.h"
#include "objects/slotcomp.h"
#include "objects/usagewarnings.h"

namespace {
constexpr unsigned char nobranch = 6;   // error byte: all conditions false

// The labels of branch k, shared by every n-formula object while one
// lives: condition label and description, action label and description.
using labelset = std::array<std::string, 4>;
uint16_t liveobjects = 0;

// Never destroyed: an object may outlive the program's statics.
std::map<int, labelset>& branchlabels()
{
    static auto* labels = new std::map<int, labelset>;
    return *labels;
}

const labelset& labelsof(int branch)
{
    auto found = branchlabels().find(branch);
    if (found != branchlabels().end())
        return found->second;
    auto format = [branch](const char* text) {
        char line[100];
        std::snprintf(line, sizeof line, text, branch);
        return std::string(line);
    };
    labelset& made = branchlabels()[branch];
    made = {format("Condition %d"), format("Condition controlling action %d"), format("Action %d"),
            format("Formula executing if condition %d is the first to be true")};
    return made;
}

void reportnobranch(const char* name)
{
    if (shared.reportswitch < 1)
        return;
    char text[300];
    std::snprintf(text, sizeof text,
                  "\n All conditions were false in n-formula object \n\r named \"%s\" where no default branch \n\r has been specified. \n\r",
                  name);
    report(reportkind::error, text, " Calculation aborted ");
}
}  // namespace

fumultibranch::fumultibranch()
{
    ++liveobjects;
}

fumultibranch::fumultibranch(const fumultibranch& source) : compositefu(source)
{
    ++liveobjects;
    if (failed)
        return;
    nvalues = source.nvalues;
    if (!copyslots(source.components))
        failed = 1;
}

fumultibranch::~fumultibranch()
{
    clearslots();
    for (slotcomp* c : kept)
        delete c;
    if (--liveobjects == 0)
        branchlabels().clear();
}

fu1* fumultibranch::clone() const
{
    return new (std::nothrow) fumultibranch(*this);
}

void fumultibranch::clearslots()
{
    for (slotcomp* c : components)
        delete c;
    components.clear();
}

// Copies of from in place of the components; none on failure.
bool fumultibranch::copyslots(const std::vector<slotcomp*>& from)
{
    clearslots();
    for (slotcomp* c : from) {
        slotcomp* copy = new (std::nothrow) slotcomp(c);
        if (copy && !copy->failed) {
            copy->owner = this;
            components.push_back(copy);
            continue;
        }
        delete copy;
        clearslots();
        return false;
    }
    relabel();
    return true;
}

slotcomp* fumultibranch::slotat(int p) const
{
    return p >= 1 && p <= slotcount() ? components[size_t(p - 1)] : nullptr;
}

bool fumultibranch::iscondition(int p) const
{
    return p % 2 == 1 && p < slotcount();
}

void fumultibranch::setconditionlabels(slotcomp* c, int branch)
{
    if (!c)
        return;
    const labelset& l = labelsof(branch);
    c->label = l[0].c_str();
    c->description = l[1].c_str();
}

void fumultibranch::setactionlabels(slotcomp* c, int branch)
{
    if (!c)
        return;
    const labelset& l = labelsof(branch);
    c->label = l[2].c_str();
    c->description = l[3].c_str();
}

void fumultibranch::setdefaultlabels(slotcomp* c)
{
    if (!c)
        return;
    c->label = "Default Action";
    c->description = "Formula executing if all conditions are false";
}

void fumultibranch::relabel()
{
    for (int p = 1; p <= slotcount(); p++) {
        slotcomp* c = slotat(p);
        c->owner = this;
        if (iscondition(p))
            setconditionlabels(c, p / 2 + 1);
        else if (p % 2 == 0)
            setactionlabels(c, p / 2);
        else
            setdefaultlabels(c);
    }
}

bool fumultibranch::complete()
{
    return slotcount() >= 2;
}

int fumultibranch::countvalues()
{
    nvalues = 0;
    int common = 0;
    for (int p = 1; p <= slotcount(); p++) {
        int n = slotat(p)->countvalues();
        if (iscondition(p))
            continue;
        if (common == 0)
            common = n;
        else if (n != common)
            return 0;
    }
    nvalues = int16_t(common);
    return nvalues;
}

bool fumultibranch::implement(uint8_t force, uint16_t level)
{
    (void)level;
    int start = beginimplement(*this, force);
    if (start != 0)
        return start == 1;
    // Every condition sees the marks of the conditions before it, every
    // action those of the conditions up to its own, no other action's.
    markset conditions, actions, total;
    int16_t common = 0;
    branchindex = 0;
    for (int p = 1; p <= slotcount(); p += 2) {
        ++branchindex;
        slotcomp* action = slotat(p + 1);
        if (iscondition(p)) {
            slotcomp* condition = slotat(p);
            if (!condition->compile(force, &conditions))
                return false;
            if (condition->nvalues != 1) {
                checkcomponent(condition, 34);
                return false;
            }
            total.merge(conditions, true);
        } else {
            action = slotat(p);   // the default action
        }
        actions = conditions;
        if (!action->compile(force, &actions))
            return false;
        total.merge(actions, false);
        if (common == 0) {
            common = action->nvalues;
        } else if (action->nvalues != common) {
            componentfacts facts;
            facts.action = branchindex;
            facts.counts[0] = action->nvalues;
            facts.counts[1] = common;
            checkcomponent(action, 37, facts);
            nvalues = 0;
            return false;
        }
    }
    nvalues = common;
    usagewarnings(total, this);
    setimplemented();
    dropunusedstore(*this, total, components);
    return true;
}

bool fumultibranch::recordfingerprint()
{
    return fingerprintcomponents(*this, components);
}

// The action of the first condition that holds (NaN does not), the
// default action when none does; null with the error byte set.
static slotcomp* choose(fumultibranch& object, double* args)
{
    int n = object.slotcount();
    for (int p = 1; p <= n; p += 2) {
        double test = p < n ? object.slotat(p)->value(args) : 1.0;
        if (shared.error)
            return nullptr;
        if (test != 0.0)
            return object.slotat(p < n ? p + 1 : p);
    }
    reportnobranch(object.name);
    shared.error = nobranch;
    return nullptr;
}

double fumultibranch::tcalc(double* args)
{
    if (!ready())
        return 0.0;
    slotcomp* action = choose(*this, args);
    return action ? action->value(args) : 0.0;
}

double* fumultibranch::mcalc(double* args)
{
    if (!ready())
        return args;
    double* entry = shared.top;
    slotcomp* action = choose(*this, args);
    if (!action)
        return entry;
    double* values = action->values(args);
    return shared.error ? entry : values;
}
