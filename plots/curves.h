// The curves: a graph of one value over an abscissa (graphcurve, plotted
// column by column) and a point (x, y) over a parameter (paramcurve,
// walked adaptively), each computed from a calculator's formula through
// its calling object (the direct kinds) or from its Runge-Kutta solver.
// A curve does not own its source; the fastplot or the designer plot
// that made it keeps the source alive.
#pragma once

#include <cstdint>
#include <memory>

#include "calculator/rk.h"
#include "plots/canplot.h"
#include "plots/screenmap.h"
#include "plots/walkgeometry.h"

class calcfunm;
class columnwriter;
class fastplot;

// Hands a run's clipper chain to a solver: the solver moves only where the
// chain answers a mask value of at most 0.
class solverclipper : public rkclipper {
public:
    explicit solverclipper(const canplot& curve) : curve(curve) {}
    double maskvalue(const double* state, bool forward) override;

private:
    const canplot& curve;
};

class graphcurve : public canplot {
public:
    bool sampler(samplerequest& request, sampleresult& result) override;  // 5
    void rangeoptions(rangerecord& range) override;                       // 10

    // The plotted value at x; the status tells whether it is defined.
    virtual double valueat(double x, double tolerance) = 0;              // 15
    // From t over s towards the last defined abscissa, halving down to e.
    virtual double toundefined(double& t, double s, double e) = 0;        // 16
    // From t over s towards the clipper border, halving down to e.
    virtual double toclipper(double& t, double s, double e) = 0;          // 17
    virtual bool prepare(samplerequest request) = 0;                      // 18

    // n values at equidistant abscissae from the request's low bound to
    // its high bound; an undefined one is +infinity.  The number defined.
    int32_t tabulategraph(double* values, int32_t n, samplerequest request);

private:
    // The sampler's run; the caller drops the list when it answers false.
    bool columns(samplerequest& request, sampleresult& result);
    // The samples of a run; a declined break question clears the
    // request's visible flag.
    void sweep(samplerequest& request, columnwriter& writer, double low, double dx, int n);
};

class paramcurve : public canplot {
public:
    paramcurve();
    int32_t tabulate(int32_t count, samplerequest request) override;      // 6
    bool sampler(samplerequest& request, sampleresult& result) override;  // 5
    void rangeoptions(rangerecord& range) override;                       // 10

    virtual curvepoint pointat(double t, double tolerance) = 0;           // 15
    virtual curvepoint toundefined(double& t, double s, double e) = 0;    // 16
    virtual curvepoint toclipper(double& t, double s, double e) = 0;      // 17
    // The work vector as a value-table entry, at least mindist from its
    // neighbours.
    virtual bool record(const double* point, double mindist) = 0;         // 18
    virtual bool prepare(samplerequest request) = 0;                      // 19

    // n points at equidistant parameters, each defined one recorded; an
    // undefined one is +infinity in both arrays (when given).  The number
    // defined; after a break the index reached (partial) or 0.
    int32_t tabulateparam(double* xs, double* ys, int32_t n, samplerequest request);

    uint32_t pointlimit = 10000;
    valtable* table = nullptr;          // the request's, not owned
    screenmap map;
    uint16_t xcomponent = 1, ycomponent = 2;  // 1-based value numbers
    uint16_t xposition = 2, yposition = 3;    // their places in a table entry
    double scaledivisor = 1;
    uint8_t norecord = 0;
    // Each walk's commands before they join the sample; kept between runs,
    // so that a new sample reuses its memory.
    std::unique_ptr<plotcmdlist> walklist;

protected:
    // The sampler's run; the caller drops the list when it answers false.
    bool walk(samplerequest& request, sampleresult& result);
    // The component numbers name values of the source.
    bool componentsfit() const;
    // The point of the work vector's values at the component positions.
    curvepoint workpoint() const;
};

// A calculator's formula (Direct mode) or a user object, through its
// calling object.
class directgraph : public graphcurve {
public:
    directgraph(fastplot* owner, calcfunm* object);
    directgraph(plot* owner, calcfunm* object);

    bool implement() override;
    const char* argsymbols() override;
    void startpoint(rkshape& start) override;
    uint32_t generation() override;
    canplot* copyto(plot* target) override;
    void rangeoptions(rangerecord& range) override;
    double valueat(double x, double tolerance) override;
    double toundefined(double& t, double s, double e) override;
    double toclipper(double& t, double s, double e) override;
    bool prepare(samplerequest request) override;

    calcfunm* object;
    uint8_t singlevalue = 0;
};

// A calculator's Runge-Kutta system: the value of one component over the
// independent variable.
class rkgraph : public graphcurve {
public:
    rkgraph(fastplot* owner, RK* solver);
    rkgraph(plot* owner, RK* solver);
    ~rkgraph() override;

    bool implement() override;
    void startpoint(rkshape& start) override;
    int32_t tabulate(int32_t count, samplerequest request) override;
    uint32_t generation() override;
    canplot* copyto(plot* target) override;
    double valueat(double x, double tolerance) override;
    double toundefined(double& t, double s, double e) override;
    double toclipper(double& t, double s, double e) override;
    bool prepare(samplerequest request) override;
    // Sibling curves through a point (siblings.cpp).
    bool canmousecreate() override;
    plotcurve* mousecreate(autoprint& entry, double x, double y) override;

    RK* solver;
    solverclipper clipping{*this};

private:
    double finish(const double* state, double& t);
};

class directparam : public paramcurve {
public:
    directparam(fastplot* owner, calcfunm* object);
    directparam(plot* owner, calcfunm* object);

    bool implement() override;
    const char* argsymbols() override;
    void startpoint(rkshape& start) override;
    uint32_t generation() override;
    canplot* copyto(plot* target) override;
    curvepoint pointat(double t, double tolerance) override;
    curvepoint toundefined(double& t, double s, double e) override;
    curvepoint toclipper(double& t, double s, double e) override;
    bool record(const double* point, double mindist) override;
    bool prepare(samplerequest request) override;

    calcfunm* object;
};

class rkparam : public paramcurve {
public:
    rkparam(fastplot* owner, RK* solver);
    rkparam(plot* owner, RK* solver);
    ~rkparam() override;

    bool implement() override;
    void startpoint(rkshape& start) override;
    uint32_t generation() override;
    canplot* copyto(plot* target) override;
    curvepoint pointat(double t, double tolerance) override;
    curvepoint toundefined(double& t, double s, double e) override;
    curvepoint toclipper(double& t, double s, double e) override;
    bool record(const double* point, double mindist) override;
    bool prepare(samplerequest request) override;
    // Sibling curves through a point (siblings.cpp).
    bool canmousecreate() override;
    plotcurve* mousecreate(autoprint& entry, double x, double y) override;

    RK* solver;
    solverclipper clipping{*this};

private:
    curvepoint finish(const double* state, double& t);
};
