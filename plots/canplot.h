// The base of every plottable curve (a graph), the record one sampling run
// fills and the request it works from.  A graph belongs either to a
// fastplot (source kind 7; it computes from the calculator's live objects)
// or to a designer plot (source kind 2; it computes from the plot's
// private copies).  Computing thread only.
#pragma once

#include <cstdint>

#include "base/chain.h"
#include "base/listnode.h"
#include "base/rects.h"
#include "formula/rkshape.h"
#include "math/drect.h"

class autoprint;
class calcfunm;
class clipper;
class plot;
class plotcurve;
class valtable;
class varman;

// One plot command: kind, and a (row, or x) and b (y).
struct plotcmd {
    enum : uint32_t { end = 0, move = 1, line = 2, penup = 3 };
    uint32_t kind = end;
    uint16_t a = 0;
    uint16_t b = 0;
};
static_assert(sizeof(plotcmd) == 8, "a plot command is 8 bytes");

// A growable array of plot commands; position 0 holds none (commands start
// at 1).  Column form: entry i is pixel column first + i - 1 with its row
// in a; point form: a and b are the point's x and y.
class plotcmdlist {
public:
    static constexpr int classnumber = 157;
    static constexpr uint32_t growthstep = 10;

    // n entries (one when memory is short), count n.
    explicit plotcmdlist(uint32_t n = 1);
    ~plotcmdlist();
    plotcmdlist(const plotcmdlist&) = delete;
    plotcmdlist& operator=(const plotcmdlist&) = delete;

    // Grows by max(missing, capacity / 8, 10) when n exceeds the capacity;
    // false, with the list unchanged, when memory runs out.
    bool setcount(uint32_t n);
    // count + 1 and the new last entry; false without memory.
    bool append(const plotcmd& c);
    bool append(uint32_t kind, uint16_t a, uint16_t b) { return append(plotcmd{kind, a, b}); }
    // Entry i; entry 0 when i is not below the count.
    const plotcmd& at(uint32_t i) const { return i < count ? entries[i] : entries[0]; }
    plotcmd& operator[](uint32_t i) { return i < count ? entries[i] : entries[0]; }

    plotcmd* entries = nullptr;
    uint32_t capacity = 0;
    uint32_t count = 0;
};

// The result of one sampling run; it owns its two lists.
struct sampleresult {
    static constexpr int classnumber = 107;

    sampleresult();
    ~sampleresult();
    sampleresult(const sampleresult&) = delete;
    sampleresult& operator=(const sampleresult&) = delete;

    // Dropping a list deletes it and sets the arc count to 0.
    void dropcolumns();
    void droppoints();
    void clear();
    // Entries of the point list, else of the column list, else -1.
    int32_t count() const;

    plotcmdlist* columns = nullptr;  // column form, or null
    plotcmdlist* points = nullptr;   // point form, or null
    uint8_t failed = 0;              // memory ran out: not drawable
    uint32_t arcs = 0;
    uint32_t generation = 0;         // the curve generation it was made for
    screenrect screen;               // and the pixel rectangle
};

// What to sample for one curve and one target; a plain value, copied by
// assignment.
struct samplerequest {
    drect world;                   // the curve's world window
    drect unit;                    // the shown part as fractions of world
    screenrect screen;             // the target area in device units
    int32_t resolution = 0;        // samples; 0: one per screen column
    clipper* extraclippers = nullptr;  // added to the own ones for one run
    double rangelow = 0, rangehigh = 0;  // abscissa or parameter range
    valtable* table = nullptr;     // the source's value table
    valtable* walktable = nullptr; // walked instead of table when set
    uint16_t component1 = 0, component2 = 0;  // argument and value, or x and y
    int32_t plottedarg = 0;        // parametric direct curves: the parameter
    uint8_t visible = 0;           // out: some point was visible
    uint8_t norecord = 0;          // parametric: record no points
    uint8_t reserved[6] = {};
};

// The range record the curve properties exchange with a graph.
struct rangerecord {
    uint8_t unrestrictedallowed = 0;
    uint8_t unrestricted = 0;
    uint8_t newsampleallowed = 0;
    uint8_t newsample = 0;
    double lower = 0, upper = 0;
};

class canplot : public listnode {
public:
    static constexpr int classnumber = 109;
    enum : uint32_t { designer = 2, fastplotsource = 7 };
    enum : uint32_t { defined = 0, undefined = 5, domainend = 8 };

    canplot();
    ~canplot() override;
    canplot(const canplot&) = delete;
    canplot& operator=(const canplot&) = delete;

    virtual bool implement() = 0;                                     // 1
    virtual const char* argsymbols();                                 // 2
    virtual void startpoint(rkshape& start);                          // 3
    virtual bool sample(samplerequest& request, sampleresult& result);   // 4
    virtual bool sampler(samplerequest& request, sampleresult& result) = 0;  // 5
    virtual int32_t tabulate(int32_t count, samplerequest request);   // 6
    virtual uint32_t generation() = 0;                                // 7
    virtual canplot* copyto(plot* target) = 0;                        // 8
    virtual bool isready();                                           // 9
    virtual void rangeoptions(rangerecord& range);                    // 10
    virtual bool spare();                                             // 11
    virtual void askresolution(autoprint& entry);                     // 12
    virtual bool canmousecreate();                                    // 13
    virtual plotcurve* mousecreate(autoprint& entry, double x, double y);  // 14

    // Implements a new designer-plot graph; false (with a report) when
    // that fails.
    bool firstimplement();
    // Whether this graph may be copied into target: a designer-plot graph
    // of another plot.
    bool cancopyto(const plot* target) const;
    // The common end of copyto: copy, made for target with its source
    // registered there, adopts the component copies, takes the plot's
    // store, the counts, the work vector (the arguments too when asked)
    // and a copy of the own clippers, and is implemented.  False on
    // failure; the caller deletes copy.
    bool completecopy(canplot& copy, plot& target, chain& componentcopies, bool witharguments) const;
    // The work vector sized to argument count + value count (zeroed);
    // false without memory.
    bool sizework();
    clipper* ownclipperlist() const;

    double* work = nullptr;              // arguments, then values
    double* plotted = nullptr;           // the plotted argument's cell
    double** argvector = nullptr;        // handed to the calling object
    uint16_t argcount = 0, valuecount = 0;
    uint16_t plottedarg = 0, plottedvalue = 0;  // 1-based
    chain ownclippers;                   // owned clippers, linked in order
    clipper* runclippers = nullptr;      // in force during one run
    uint32_t generationcounter = 0;
    drect world;
    screenrect screen;
    uint32_t status = defined;
    void* source = nullptr;              // the fastplot or the owning plot
    uint32_t sourcekind = 0;
    varman* varstore = nullptr;          // the plot's store copy, not owned
    chain* components = nullptr;         // the plot's component copies, not owned
    uint16_t pair[2] = {};               // parametric kinds: component pair
    uint16_t pairpos[2] = {};            // and their positions in a table entry
};

// The owning plot of a designer-plot graph, else null.
plot* graphsource(const canplot* graph);
// The fastplot of a fastplot graph, else null.
void* fastplotsource(const canplot* graph);

void setrect16(screenrect& r, int left, int top, int right, int bottom);
void pairinit(uint16_t pair[2]);
// A calling object with one value whose called object takes one argument
// and yields one value.
bool issimplecomponent(const calcfunm* object);
