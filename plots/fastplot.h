// A calculator's quick plot: a curve of its formula or Runge-Kutta system
// drawn into a fixed rectangle below the calculator.  States: 0 empty,
// 1 specified (type and range), 2 set up (graph and window), 3 computed.
// The stamp records the calculator's state at the last computation, so
// that the plot notices what has changed since.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/checksumcell.h"
#include "base/rects.h"
#include "math/drect.h"
#include "plots/canplot.h"

class calculator;
class clipper;
class valtable;

namespace plottype {
constexpr uint32_t none = 0, simple = 12, parametric = 13;
}

// What is plotted.
class plotspec {
public:
    plotspec() = default;
    plotspec(const plotspec&) = delete;
    plotspec& operator=(const plotspec&) = delete;
    ~plotspec() { clear(); }

    void clear();
    // Takes every field of other, which loses ownership.
    void take(plotspec& other);
    // Type, range, pairs and clippers copied; false (spec empty) without
    // memory.
    bool copy(const plotspec& other);
    uint32_t clippercount() const;
    // Curves; 0 counts as 1.
    uint16_t curves() const { return count ? count : 1; }

    uint8_t owns = 0;
    clipper* clippers = nullptr;
    uint32_t type = plottype::none;
    uint16_t count = 0;
    uint32_t* pairs = nullptr;        // per curve: x column low, y column high (0-based)
    double rangelow = 0, rangehigh = 0;
};

// The calculator's state that a plot depends on.
struct plotstamp {
    uint32_t mode = 0;
    checksumcell cell{};
    uint16_t derivative = 0;
    uint16_t lettersum = 0;
    uint16_t othersum = 0;
    int8_t letter = 0;
    uint16_t selection = 0;
    uint16_t order = 0;
    uint16_t dimension = 0;
    uint16_t initsum = 0;
};

// Fletcher's first sum over the letters the formula reads (Direct mode).
uint16_t lettersum(const calculator& c);
// The sums of the values of the other arguments the formula reads.
uint16_t othersum(const calculator& c, char letter);
// The sum over the Runge-Kutta start values.
uint16_t initsum(const calculator& c);
// The four 16-bit words of v added to sum.
uint16_t sumdouble(uint16_t sum, double v);
// The calculator's state, its argument letter replaced when given;
// implements a stale calculator first.
plotstamp calcstamp(calculator& c, char letter = 0);

// The three parts of the fingerprint cells agree.
bool cellsmatch(const checksumcell& a, const checksumcell& b);
bool samecomputation(const plotstamp& a, const plotstamp& b);
bool stillcurrent(const plotstamp& a, const plotstamp& b, uint32_t type);
bool barvalid(const plotstamp& a, const plotstamp& b, uint32_t type);
bool tablevalid(const plotstamp& a, const plotstamp& b, uint32_t type);

class fastplot {
public:
    static constexpr int classnumber = 121;
    enum : uint32_t { nograph = 0, simplekind = 4, paramkind = 5 };

    explicit fastplot(calculator* owner);
    ~fastplot();
    fastplot(const fastplot&) = delete;
    fastplot& operator=(const fastplot&) = delete;

    uint16_t state() const;
    bool is(uint32_t type, int32_t mode) const;
    void clear();
    bool ini(drect window);
    uint32_t sample(uint32_t n, uint16_t curve);
    bool compute();
    bool updateflags();
    bool canactualize(int threshold);
    void undo();
    // The value table emptied when it may hold another computation's
    // points, then checked against the calculator's fingerprint.
    void checktable();

    canplot* simplegraph() const { return graphkind == simplekind ? graph : nullptr; }
    canplot* paramgraph() const { return graphkind == paramkind ? graph : nullptr; }
    bool isparametric() const { return spec.type == plottype::parametric; }
    // Screen width in pixels.
    int width() const { return screen.right - screen.left; }
    // The curve's pair as 1-based component numbers.
    void pairof(uint16_t curve, uint16_t& x, uint16_t& y) const;

    // The pane (fastplotwindow.cpp).
    void clearpane();
    void frame();
    void drawframe(int colour);
    std::string title() const;
    // Curve k's abscissa and ordinate names (a simple plot: the argument
    // and the value); empty beyond the curves.
    std::string xname(uint16_t k) const;
    std::string yname(uint16_t k) const;
    // "arc" by arc length, else the argument letter.
    std::string paramname() const;
    void showbar();
    // The argument's pixel column, -10 when it lies outside the window.
    int barx() const;

    calculator* calc;
    uint8_t computed = 0;
    plotspec spec;
    canplot* graph = nullptr;         // owned
    sampleresult result;
    uint32_t samplecount = 0;
    std::unique_ptr<double[]> ordinates;
    std::unique_ptr<double[]> abscissae;
    std::shared_ptr<valtable> sharedtable;
    uint32_t graphkind = nograph;
    drect world;
    screenrect screen;
    valtable* table = nullptr;        // not owned
    uint16_t xticks = 10, yticks = 5;
    uint16_t margintop, marginleft, marginright, marginbottom;
    uint8_t sampleflag = 0;
    uint8_t current = 0;
    uint8_t bar = 0;
    plotstamp stamp;

private:
    bool inigraph(drect window);
    bool iniparam(drect window);
    bool makegraph();
    samplerequest request(uint16_t curve, bool fullrange) const;
    bool quickcmds();
    bool fullcompute();
};

// The range over count (lower, upper) pairs: their hull, or with five or
// more intervals the automatic window over their ends.
void rangeofintervals(const double* pairs, uint16_t count, double& lo, double& hi);
// Strictly inside w on both axes.
bool inwindow(const drect& w, double x, double y);
