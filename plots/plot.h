// The designer plot: curves taken over from calculators, arranged in
// perspectives ("mappings"), computed from private copies of everything
// they need, so that a plot keeps working while the user edits or deletes
// the calculator and the library objects it came from.
//
// Ownership: the plot list owns the plots; a plot owns its perspectives,
// clipboard, curves, graphs and private copies; a perspective owns its
// entries; a curve owns its clipper run; value tables are shared.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/chain.h"
#include "base/listnode.h"
#include "math/drect.h"
#include "plots/canplot.h"

class RK;
class calcfunm;
class calculator;
class fastplot;
class clipper;
class formulaholder;
class fu;
class fu1;
class funm;
class plot;
class plotpsp;
class valtable;
class varman;

// The curve window that no query can answer: four zeros.
extern const drect nowindow;
// The mapping of a new perspective: every curve in its own window.
extern const drect identitymapping;

// One curve of a plot.
class plotcurve : public listnode {
public:
    static constexpr int classnumber = 101;

    plotcurve();
    // Shares the graph and both tables, copies the clipper run.
    plotcurve(const plotcurve& source);
    plotcurve& operator=(const plotcurve&) = delete;
    ~plotcurve() override;

    canplot* graph = nullptr;            // in the plot's graph list
    uint32_t graphnumber = 0;            // refreshed by plot::numbergraphs
    drect world;
    uint8_t enabled = 1;
    uint16_t colour = 0;
    double rangelow = 0, rangehigh = 0;  // parametric curves' parameter range
    std::shared_ptr<valtable> fastplottable;  // the fastplot's, until an own sample
    std::shared_ptr<valtable> owntable;
    uint16_t selection[2] = {};          // argument and value, or x and y component
    uint16_t argnumber = 0;
    clipper* clippers = nullptr;         // owned run
    uint32_t generation = 0;
};

// One curve as one perspective shows it.
class autoprint : public listnode {
public:
    static constexpr int classnumber = 103;
    static constexpr int32_t defaultresolution = 800;
    static constexpr uint16_t defaultpen = 20;

    autoprint(plotpsp* perspective, plotcurve* curve);
    // Perspective, curve, flags, pen and resolution; no sample.
    autoprint(const autoprint& source);
    autoprint& operator=(const autoprint&) = delete;
    ~autoprint() override;

    // The curve's window through the perspective's mapping.
    drect mappedwindow() const;
    // Curves of the owning plot drawn from the same graph.
    uint32_t siblingcount() const;
    // The curve is enabled and the entry considered and visible (or
    // hidden ones are included).
    bool shown(bool includehidden) const;

    // Painting (paint.cpp).  mode 1: edit mode.
    bool drawcurve(int mode);
    // The considered flag after painting; samples first when the sample
    // is not current.
    bool paint(bool includenotconsidered, int mode);
    // Samples for a new perspective without drawing (the sample itself is
    // the member sample).
    bool takesample();

    plotpsp* perspective = nullptr;
    plotcurve* curve = nullptr;
    sampleresult sample;
    uint32_t printpoints = 0;
    int32_t resolution = defaultresolution;
    uint8_t considered = 1;
    uint8_t visible = 1;
    uint16_t pen = defaultpen;
};

// A perspective, numbered for the user.
class plotpsp : public listnode {
public:
    static constexpr int classnumber = 137;
    static constexpr int namerecordclass = 151;

    explicit plotpsp(plot* owner);
    // Owner, mapping, number and transfer name; no entries.
    plotpsp(const plotpsp& source);
    plotpsp& operator=(const plotpsp&) = delete;
    ~plotpsp() override;

    // The mapped window of the active entry (the first when none is
    // active); nowindow, with a report, without entries.
    drect mappedwindow() const;
    // Entry number apnr, the first entry when apnr is 0.
    autoprint* activeentry() const;
    // Frame, scales, axes and the entries (paint.cpp): the entries painted.
    int paint(bool includenotconsidered);
    int paintedit(int level);
    bool anyvisible(bool includenotconsidered);
    // A copy for target with copies of the visible entries, each on the
    // target's curve of the same number; null (after a message) when the
    // target is this plot or lacks a curve (duplicate.cpp).
    plotpsp* registr(plot* target) const;
    // Appends a copy of the active entry's curve and an entry showing it;
    // message tells the numbers of both curves.
    bool copycurve(std::string& message);
    // The window of the curve of the first entry whose mapped window
    // matches f; nowindow when none does (mappings.cpp).
    drect matchentry(const drect& f) const;
    // A sibling of the active entry's curve through the world point,
    // asked for in its dialog, painted and appended as the new active
    // entry; false when none was made (siblings.cpp).
    bool mousecreate(double x, double y);
    // Appends an entry for each enabled curve of the plot, or a copy of
    // each entry of source that is visible (or includehidden) and whose
    // curve is enabled; false without an owner or memory (plotframe.cpp).
    bool considerupdate(const chainof<autoprint>* source, bool includehidden);

    // The consider list's queries and steps; the curve editor
    // (curveeditor.cpp).  Positions are 1-based, 0 for none; a curve's
    // number is its place among the plot's enabled curves.
    uint32_t indexof(const autoprint* entry) const;
    uint32_t numberofentry(uint32_t position) const;
    autoprint* entryofcurve(const plotcurve* curve) const;
    autoprint* entryofnumber(uint32_t n) const;
    uint32_t countshown() const;
    uint32_t stepentry(uint32_t from, int direction, bool includehidden) const;
    bool fixapnr(bool includehidden);
    bool noshown(bool includehidden) const;
    bool isempty();
    void stepactive(int direction);
    void stepcurve(int direction);
    bool togglevisible();
    bool removeentry();
    bool runedit();

    struct transfername {
        plotpsp* back = nullptr;
        char name[13] = {};
    };

    plot* owner = nullptr;
    drect mapping = identitymapping;
    chainof<autoprint> consider;
    transfername transfer;
    uint16_t apnr = 0;
    int32_t number = 0;
};

class plot : public listnode {
public:
    static constexpr int classnumber = 199;

    plot();
    plot(const plot&) = delete;
    plot& operator=(const plot&) = delete;
    ~plot() override;

    // Queries.
    plotpsp* activemapping() const;
    plotpsp* shownpsp() const;
    bool nopsp() const { return perspectives.count == 0; }
    int32_t nextpspnumber() const;
    varman* varstore() const;
    uint32_t countenabled() const;
    plotcurve* enabledcurve(uint32_t n) const;
    uint32_t curvenumber(const plotcurve* curve) const;
    void numbergraphs();
    plotcurve* curveofgraph(uint32_t k) const;
    uint32_t countcurvesofgraph(uint32_t k) const;
    uint64_t componentsize() const;
    void valtablestats(uint32_t& count, uint64_t& bytes) const;
    drect mappedwindow() const;
    drect shownwindow() const;
    drect currentmapping() const;

    // The plot environment's commands (plotcommands.cpp).
    uint16_t keepindex() const;
    bool cutcopy();
    bool copytoclipboard();
    void showclipboard();
    void leaveclipboard();
    bool toggleclipboard();
    bool paste();
    bool deletepsp();
    bool steppsp(int direction);
    bool writetransfer();
    // Copies of the source's enabled curves, each over a copy of its
    // graph made for this plot (one copy per source graph).
    bool copycurves(const plot& source);
    // The value-table and curve statistics boxes (plotstatistics.cpp).
    void statistics() const;
    // The curve editor on the current perspective (curveeditor.cpp).
    void runeditCOMMAND();

    // A new perspective with the mapping and the entries of
    // considerupdate; null on failure (plotframe.cpp).
    plotpsp* newpsp(const drect& mapping, const chainof<autoprint>* source, bool includehidden);
    // A mouse frame (pixels) over the shown perspective made into a new
    // perspective in the clipboard; true when one was made.
    bool aaktion(const screenrect& frame);

    // The registry of private copies (plotregistry.cpp).
    bool registervarstore(const varman* store);
    bool registerglobals();
    fu1* adoptcomponent(fu1* copy);
    uint16_t adoptcomponents(chain& copies);
    funm* registerobject(funm* copy);
    calcfunm* registercalcfunm(calcfunm* copy);
    RK* registerrk(RK* copy);
    funm* findobject(uint32_t serial) const;
    calcfunm* findcalcfunm(uint32_t stamp) const;
    formulaholder* findholder(uint32_t serial) const;
    RK* findrk(uint32_t key) const;
    // The plot's copy of a calculator's calling object or solver with
    // their components; null on failure.
    calcfunm* registerfunction(calcfunm* function);
    RK* registerrksolver(RK* solver);

    // Curve insertion (insertion.cpp); mapping numbers count the runs of
    // consecutive curves sharing one window (mappings.cpp).
    bool insertfastplot(fastplot& f);
    bool insertcalculator(calculator& k, const drect& w);
    void commitinsert();
    void undoinsert();
    uint32_t countmappings() const;
    uint32_t mappingnumber(const drect& r) const;
    drect findmapping(const drect& f) const;
    drect findpspmapping(const drect& f, int& k) const;

    plotpsp* clipboard = nullptr;         // owned
    uint8_t clipboardshown = 0;
    uint8_t insertbefore = 0;
    chainof<plotpsp> perspectives;
    uint16_t currentpsp = 0;              // 1-based
    chainof<plotcurve> curves;
    chainof<canplot> graphs;
    chainof<varman> varstores;            // the last is the latest
    chainof<funm> objects;                // called objects
    chainof<calcfunm> calcfunms;          // calling objects
    chainof<RK> solvers;
    chainof<fu1> components;
    chainof<formulaholder> holders;       // operators of user-operator objects
    uint8_t copyover = 0;

    // An insertion in progress.
    static plotcurve* pendingcurve;
    static autoprint* pendingentry;
    static plotpsp* pendingpsp;
    static canplot* pendinggraph;
};

// A within 1e-7 of its width and height of B.
bool windowsmatch(const drect& a, const drect& b);
