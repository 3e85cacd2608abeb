// Value tables in the shared pool: the stated cases of appending, thinning,
// limits, lookup and byte accounting, and a randomised run against a
// sorted-map model that also audits the pool's blocks and free chains.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/valprint.h"
#include "math/valtable.h"
#include "tests/screen/editrun.h"
#include "tests/screen/plainrow.h"

namespace {

// A table of dimension 2 whose start entry is (x0, 100 + x0).
std::unique_ptr<valtable> startedtable(double x0 = 0.0)
{
    auto t = std::make_unique<valtable>(2);
    t->startvector[0] = x0;
    t->startvector[1] = 100 + x0;
    EXPECT_TRUE(t->flush());
    return t;
}

bool add(valtable& t, double x, uint8_t kept = 0, double mindist = 0.1, uint8_t direction = 1)
{
    double v[2] = {x, 100 + x};
    return t.append(v, direction, kept, mindist);
}

struct entry {
    double x;
    bool kept;
};

std::vector<entry> entries(valtable& t)
{
    std::vector<entry> out;
    valcursor c = valbase->cursor(t.head);
    while (c.node) {
        out.push_back({c.values[0], c.node->kept != 0});
        c = valbase->cursor(c.node->next());
    }
    return out;
}

bool keptat(valtable& t, double x)
{
    for (entry e : entries(t))
        if (e.x == x)
            return e.kept;
    ADD_FAILURE() << "no entry at " << x;
    return false;
}

TEST(valtable, FreshTableAnswersItsStartVector)
{
    valtable t(3);
    t.startvector[0] = 2.5;
    EXPECT_EQ(t.count(), 0u);
    EXPECT_TRUE(t.lessthantwo());
    EXPECT_FALSE(t.isactive());
    const double* v = nullptr;
    double direction = 0;
    EXPECT_TRUE(t.lookup(7.0, v, direction));
    EXPECT_EQ(v, t.startvector);
    EXPECT_EQ(direction, 1.0);
    // Without a start entry nothing is stored.
    double p[3] = {3.0, 0, 0};
    EXPECT_FALSE(t.append(p, 1, 0, 0.0));
    EXPECT_EQ(valbase, nullptr);
}

TEST(valtable, AppendKeepsTheMinimumDistance)
{
    // Entries at 0 (start, kept), 1 and 2 (thinnable); mindist 0.1 unless
    // the case says otherwise.
    struct {
        double x;
        uint8_t kept;
        double mindist;
        bool stored;
        double marked;   // entry that must be kept afterwards (NaN: none checked)
        uint32_t keptcount;
    } cases[] = {
        {1.05, 1, 0.1, false, 1.0, 2},   // nearer lower neighbour
        {1.96, 1, 0.1, false, 2.0, 2},   // nearer upper neighbour
        {1.5, 1, 0.6, false, 1.0, 2},    // a tie marks the lower one
        {1.05, 0, 0.1, false, NAN, 1},   // thinnable: nothing marked
        {1.0, 1, 0.0, false, 1.0, 2},    // on an entry: distance 0
        {2.05, 1, 0.1, false, 2.0, 2},   // beyond the last
        {-0.05, 1, 0.1, false, 0.0, 1},  // before the first, already kept
        {NAN, 1, 0.0, false, NAN, 1},
        {1.5, 0, 0.1, true, NAN, 1},
        {-0.5, 1, 0.1, true, -0.5, 2},   // a new head
        {2.5, 0, 0.1, true, NAN, 1},     // a new last
    };
    for (const auto& c : cases) {
        auto t = startedtable();
        ASSERT_TRUE(add(*t, 1.0));
        ASSERT_TRUE(add(*t, 2.0));
        EXPECT_EQ(add(*t, c.x, c.kept, c.mindist), c.stored) << c.x;
        EXPECT_EQ(t->count(), c.stored ? 4u : 3u) << c.x;
        EXPECT_EQ(t->keptcount, c.keptcount) << c.x;
        if (!std::isnan(c.marked)) {
            EXPECT_TRUE(keptat(*t, c.marked)) << c.x;
        }
        std::vector<entry> e = entries(*t);
        for (size_t i = 1; i < e.size(); i++)
            EXPECT_LT(e[i - 1].x, e[i].x) << c.x;
        EXPECT_EQ(t->firstx, e.front().x);
        EXPECT_EQ(t->lastx, e.back().x);
    }
    // Two vectors at the abscissa of an entry: neither is stored.
    auto t = startedtable();
    ASSERT_TRUE(add(*t, 1.0));
    EXPECT_FALSE(add(*t, 1.0, 0, 0.0));
    EXPECT_FALSE(add(*t, 1.0, 0, 0.0));
    EXPECT_EQ(t->count(), 2u);
}

TEST(valtable, ThinningHalvesThinnablePointsAndDoublesTheSpacing)
{
    auto t = startedtable();
    EXPECT_EQ(t->spacing, 20u);
    for (int i = 1; i <= 1000; i++)
        ASSERT_TRUE(add(*t, i, i == 500));
    EXPECT_EQ(t->thinnablecount, 999u);
    ASSERT_TRUE(add(*t, 1001));
    EXPECT_EQ(t->thinnablecount, 1000u);
    EXPECT_EQ(t->spacing, 20u);
    // The next append thins first: every second thinnable entry goes,
    // kept ones and the last stay.
    ASSERT_TRUE(add(*t, 1002));
    EXPECT_EQ(t->spacing, 40u);
    std::vector<entry> e = entries(*t);
    EXPECT_EQ(t->count(), e.size());
    EXPECT_NEAR(double(t->thinnablecount), 500.0, 2.0);
    EXPECT_TRUE(keptat(*t, 500));
    EXPECT_TRUE(keptat(*t, 0));
    EXPECT_EQ(e.back().x, 1002);
    for (size_t i = 1; i < e.size(); i++)
        EXPECT_LT(e[i - 1].x, e[i].x);
    int next = 1003;
    while (t->thinnablecount < 1000)
        ASSERT_TRUE(add(*t, next++));
    ASSERT_TRUE(add(*t, next++));
    EXPECT_EQ(t->spacing, 80u);
    EXPECT_LT(t->thinnablecount, 600u);
    // The search start is a live entry of the chain, never a thinned one.
    valcursor cached = valbase->cursor(t->cachedpos);
    ASSERT_NE(cached.node, nullptr);
    EXPECT_NE(cached.node->nextblock, 0u);
    EXPECT_EQ(cached.values[0], t->cachedx);
}

TEST(valtable, LimitsBoundLookups)
{
    auto t = startedtable();
    add(*t, 1.0);
    add(*t, 2.0);
    const double* v = nullptr;
    double direction = 0;
    t->upperon = 1;
    t->upperlimit = 5.0;
    EXPECT_TRUE(t->lookup(5.0, v, direction));
    EXPECT_FALSE(t->lookup(5.0001, v, direction));
    t->loweron = 1;
    t->lowerlimit = -1.0;
    EXPECT_TRUE(t->lookup(-1.0, v, direction));
    EXPECT_FALSE(t->lookup(-1.0001, v, direction));
    t->reset();
    EXPECT_TRUE(t->lookup(1e9, v, direction));
}

TEST(valtable, LookupAnswersTheNearestPointOnTheWay)
{
    auto t = startedtable();
    add(*t, 1.0, 0, 0.1, 1);
    add(*t, 2.0, 0, 0.1, 1);
    add(*t, -1.0, 0, 0.1, 0);
    add(*t, -2.0, 0, 0.1, 0);
    struct {
        double x;
        double from;
        double direction;
    } cases[] = {
        {0.5, 0.0, 1.0}, {1.0, 0.0, 1.0}, {1.5, 1.0, 1.0}, {9.0, 2.0, 1.0},
        {-0.5, 0.0, 1.0}, {-1.5, -1.0, -1.0}, {-9.0, -2.0, -1.0}, {0.0, 0.0, 1.0},
    };
    for (int pass = 0; pass < 2; pass++)   // the second pass starts from the cached positions
        for (const auto& c : cases) {
            const double* v = nullptr;
            double direction = 0;
            ASSERT_TRUE(t->lookup(c.x, v, direction));
            EXPECT_EQ(v[0], c.from) << c.x;
            EXPECT_EQ(v[1], 100 + c.from) << c.x;
            EXPECT_EQ(direction, c.direction) << c.x;
        }
    // The owner's current state wins when it is nearer and on the way.
    t->currentvector[0] = 1.2;
    t->currentvalid = 1;
    t->currentdirection = -1.0;
    const double* v = nullptr;
    double direction = 0;
    t->lookup(1.5, v, direction);
    EXPECT_EQ(v, t->currentvector);
    EXPECT_EQ(direction, -1.0);
    t->lookup(1.15, v, direction);   // nearer, but beyond x
    EXPECT_EQ(v[0], 1.0);
}

TEST(valtable, BytesFollowEntriesTimesDimension)
{
    valtable t(3);
    t.startvector[0] = 0;
    ASSERT_TRUE(t.flush());
    for (int i = 1; i < 10; i++) {
        double v[3] = {double(i), 0, 0};
        ASSERT_TRUE(t.append(v, 1, 0, 0.5));
    }
    EXPECT_EQ(t.count(), 10u);
    EXPECT_EQ(t.bytesize(), 360u);
    valstats s = valbase->stats();
    EXPECT_EQ(s.blocksinuse, 1u);
    EXPECT_EQ(s.entries, 100u);
    EXPECT_EQ(s.entriesinuse, 10u);
    EXPECT_EQ(s.bytes, 3600u);
}

TEST(valtable, StampMismatchForgetsThePoints)
{
    auto t = startedtable();
    add(*t, 1.0);
    add(*t, 2.0);
    t->checkstamp(3, 77, 5);   // mode 3 checks nothing
    EXPECT_EQ(t->count(), 3u);
    t->checkstamp(0, 77, 5);
    EXPECT_EQ(t->count(), 1u);
    add(*t, 1.0);
    add(*t, 2.0);
    t->checkstamp(0, 77, 5);   // the same formulas: the points stay
    EXPECT_EQ(t->count(), 3u);
    t->unchecked = 1;
    t->checkstamp(0, 78, 5);
    EXPECT_EQ(t->count(), 3u);
}

TEST(valtable, ChangedFingerprintForgetsThePointsAtTheNextLookup)
{
    fingerprint print;
    shared.print = &print;
    auto t = startedtable();
    // Filled under formulas whose recording gives one checksum ...
    print.reset();
    print.addbyte(7);
    print.addrecord(printvalue, 2.5);
    addfingerprint(t.get(), 0, 0);
    EXPECT_EQ(print.tablestested, 1u);
    EXPECT_EQ(print.tablesize, t->bytesize());
    t->reset();   // the fill stamp follows
    add(*t, 1.0);
    add(*t, 2.0);
    const double* v = nullptr;
    double direction = 0;
    t->lookup(1.5, v, direction);
    EXPECT_EQ(t->count(), 3u);
    EXPECT_EQ(tablebytes(t.get()), 3 * (8 * 2 + 12u));
    // ... the same recording keeps them, another one forgets them.
    addfingerprint(t.get(), 0, 0);
    t->lookup(1.5, v, direction);
    EXPECT_EQ(t->count(), 3u);
    print.addrecord(printvalue, 3.0);
    addfingerprint(t.get(), 0, 0);
    EXPECT_FALSE(print.matches(tablestamp(t.get()), t->fillstamp));
    t->lookup(1.5, v, direction);
    EXPECT_EQ(t->count(), 1u);
    EXPECT_EQ(v[0], 0.0);
    // A free record in the recording resets the table at once.
    add(*t, 1.0);
    print.addobject(printplaceholder);
    addfingerprint(t.get(), 0, 0);
    EXPECT_EQ(t->count(), 1u);
    EXPECT_EQ(tablebytes(nullptr), 0u);
    shared.print = nullptr;
}

TEST(valtable, ReplaceableStartTakesTheFirstPoint)
{
    auto t = startedtable();
    t->startreplaceable = 1;
    EXPECT_TRUE(add(*t, 3.0));
    EXPECT_EQ(t->count(), 1u);
    EXPECT_EQ(t->startvector[0], 3.0);
    EXPECT_TRUE(add(*t, 4.0));
    EXPECT_EQ(t->count(), 2u);
    EXPECT_EQ(entries(*t).front().x, 3.0);
}

TEST(valtable, CopyTakesStartAndStampsButNoPoints)
{
    auto t = startedtable(1.5);
    add(*t, 2.0);
    t->unchecked = 1;
    t->stamp = {1, 2, 3};
    valtable c(*t);
    EXPECT_EQ(c.dimension, 2u);
    EXPECT_EQ(c.startvector[0], 1.5);
    EXPECT_EQ(c.startvector[1], 101.5);
    EXPECT_EQ(c.count(), 0u);
    EXPECT_EQ(c.unchecked, 1);
    EXPECT_EQ(c.stamp.check, 3);
    EXPECT_FALSE(c.currentvalid);
}

TEST(valtable, ResetAndSetsizeStartOver)
{
    auto t = startedtable(1.0);
    add(*t, 2.0);
    add(*t, 3.0);
    t->upperon = 1;
    t->currentdirection = -1.0;
    t->reset();
    EXPECT_EQ(t->count(), 1u);
    EXPECT_EQ(t->upperon, 0);
    EXPECT_EQ(t->currentdirection, 1.0);
    EXPECT_TRUE(t->currentvalid);
    EXPECT_EQ(t->currentvector[1], 101.0);
    EXPECT_TRUE(t->setsize(4));
    EXPECT_EQ(t->dimension, 4u);
    EXPECT_EQ(t->startvector[1], 101.0);   // the start vector survives growing
    double v[4] = {5, 6, 7, 8};
    EXPECT_TRUE(t->append(v, 1, 0, 0.1));
    const double* w = t->first();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w[0], 1.0);
    w = t->next();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w[3], 8.0);
    EXPECT_EQ(t->next(), nullptr);
}

TEST(valtable, LastTableDeletesThePool)
{
    auto a = startedtable();
    auto b = startedtable();
    Valbase* pool = valbase;
    ASSERT_NE(pool, nullptr);
    EXPECT_EQ(valtablecount, 2u);
    a.reset();
    EXPECT_EQ(valbase, pool);
    EXPECT_EQ(valbase->stats().entriesinuse, 1u);
    b.reset();
    EXPECT_EQ(valbase, nullptr);
    EXPECT_EQ(valtablecount, 0u);
    auto c = startedtable();
    EXPECT_NE(valbase, nullptr);
}

TEST(valtable, MiscountsAndLostEntriesAreReported)
{
    hostrun run = rundialogue("<dump miscount>x<dump loss>x", [] {
        auto t = startedtable();
        t->keptcount += 2;
        t->releasechain(false);
        EXPECT_EQ(t->count(), 0u);
        t.reset();
        Valbase* pool = new Valbase;
        pool->alloc(3);
        pool->alloc(3);
        delete pool;
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(plainfile(run.out + "/miscount.txt").find(" Number of flushed entries 1 does not match size()=3 "),
              std::string::npos);
    EXPECT_NE(plainfile(run.out + "/loss.txt").find(" Valbase destructor finds 2 remaining entries "),
              std::string::npos);
}

// ---- randomised run against a model ----

struct modelpoint {
    bool kept;
    uint8_t direction;
};

struct model {
    std::map<double, modelpoint> points;
    uint32_t threshold;
    double start, current;

    uint32_t thinnable() const
    {
        uint32_t n = 0;
        for (auto& [x, p] : points)
            n += !p.kept;
        return n;
    }

    void thin()
    {
        std::vector<double> keys;
        for (auto& [x, p] : points)
            keys.push_back(x);
        for (size_t i = 0; i + 1 < keys.size();) {
            size_t b = i + 1;
            if (!points[keys[b]].kept && b + 1 < keys.size()) {
                points.erase(keys[b]);
                i = b + 1;
            } else {
                i = b;
            }
        }
    }

    bool append(double x, uint8_t direction, bool kept, double mindist)
    {
        if (thinnable() >= threshold)
            thin();
        auto up = points.lower_bound(x);   // first at or above x
        std::map<double, modelpoint>::iterator nearer;
        double d;
        if (up == points.begin()) {
            nearer = up;
            d = up->first - x;
        } else if (up != points.end()) {
            auto low = std::prev(up);
            double below = x - low->first, above = up->first - x;
            nearer = below > above ? up : low;
            d = std::min(below, above);
        } else {
            nearer = std::prev(up);
            d = x - nearer->first;
        }
        if (d >= mindist && d > 0) {
            points[x] = {kept, direction};
            return true;
        }
        if (kept)
            nearer->second.kept = true;
        return false;
    }

    std::pair<double, double> lookup(double x)
    {
        bool atorbelow = x <= start;
        double from = start, direction = 1.0;
        if (points.size() >= 2) {
            auto up = points.lower_bound(x);
            auto low = up == points.begin() ? up : std::prev(up);
            auto answer = atorbelow && up != points.end() ? up : low;
            from = answer->first;
            direction = answer->second.direction ? 1.0 : -1.0;
        }
        if (std::fabs(x - current) < std::fabs(x - from) && (atorbelow ? x <= current : x >= current))
            return {current, 1.0};
        return {from, direction};
    }

    void reset()
    {
        points = {{start, {true, 1}}};
        current = start;
    }
};

// Every block's free chain has its free count of entries, all marked
// free; the tables' chains hold the rest, each entry once.
void auditpool(const std::vector<std::unique_ptr<valtable>>& tables)
{
    std::set<std::pair<uint32_t, uint32_t>> used;
    uint32_t intables = 0;
    for (auto& t : tables) {
        valcursor c = valbase->cursor(t->head);
        uint32_t n = 0;
        while (c.node) {
            EXPECT_TRUE(used.insert({c.block, c.entry}).second);
            EXPECT_EQ(valbase->block(c.block).dimension, t->dimension);
            c = valbase->cursor(c.node->next());
            ASSERT_LE(++n, t->count());
        }
        EXPECT_EQ(n, t->count());
        intables += n;
    }
    valstats s = valbase->stats();
    EXPECT_EQ(s.entriesinuse, intables);
    for (uint32_t b = 1; b <= valbase->count(); b++) {
        const valblock& k = valbase->block(b);
        uint32_t n = 0;
        for (uint32_t e = k.freehead; e != 0; e = k.nodes[e - 1].nextentry) {
            ASSERT_LE(e, k.capacity);
            EXPECT_EQ(k.nodes[e - 1].nextblock, 0u);
            EXPECT_EQ(used.count({b, e}), 0u);
            ASSERT_LE(++n, k.capacity);
        }
        EXPECT_EQ(n, k.freecount);
    }
}

TEST(valtable, RandomRunMatchesTheModelAndThePoolBalances)
{
    std::mt19937 rng(20261210);
    std::uniform_int_distribution<int> grid(-4000, 4000);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double mindists[] = {0.0, 0.05, 0.5, 3.0};
    const uint32_t dims[] = {2, 3, 2};
    std::vector<std::unique_ptr<valtable>> tables;
    std::vector<model> models;
    for (uint32_t d : dims) {
        auto t = std::make_unique<valtable>(d);
        t->startvector[0] = grid(rng) / 100.0;
        t->reset();
        ASSERT_TRUE(t->flush());
        t->threshold = 60;   // thinning many times over (flush sets 1000)
        models.push_back({{}, t->threshold, t->startvector[0], t->startvector[0]});
        models.back().reset();
        tables.push_back(std::move(t));
    }
    int thinnings = 0;
    for (int step = 0; step < 30000; step++) {
        size_t k = rng() % tables.size();
        valtable& t = *tables[k];
        model& m = models[k];
        uint32_t spacing = t.spacing;
        double x = grid(rng) / 100.0;
        std::vector<double> v(t.dimension, x * 3);
        v[0] = x;
        double op = unit(rng);
        if (op < 0.6) {
            uint8_t direction = rng() % 2, kept = unit(rng) < 0.1;
            double mindist = mindists[rng() % 4];
            ASSERT_EQ(t.append(v.data(), direction, kept, mindist), m.append(x, direction, kept, mindist)) << step;
        } else if (op < 0.7) {
            if (m.points.count(x) == 0) {
                t.position(x);
                ASSERT_TRUE(t.insert(v.data(), 1, 0));
                m.points[x] = {false, 1};
            }
        } else if (op < 0.995) {
            const double* w = nullptr;
            double direction = 0;
            ASSERT_TRUE(t.lookup(x, w, direction));
            auto [from, dir] = m.lookup(x);
            ASSERT_EQ(w[0], from) << step;
            ASSERT_EQ(direction, dir) << step;
        } else {
            t.reset();
            t.threshold = m.threshold;
            m.reset();
        }
        thinnings += t.spacing > spacing;
        ASSERT_EQ(t.count(), m.points.size()) << step;
        ASSERT_EQ(t.thinnablecount, m.thinnable()) << step;
        if (step % 500 == 0) {
            std::vector<entry> e = entries(t);
            auto it = m.points.begin();
            for (size_t i = 0; i < e.size(); i++, ++it) {
                ASSERT_EQ(e[i].x, it->first) << step;
                ASSERT_EQ(e[i].kept, it->second.kept) << step;
            }
            auditpool(tables);
        }
    }
    auditpool(tables);
    EXPECT_GT(thinnings, 100);
    EXPECT_GT(valbase->stats().blocksinuse, 2u);
    // The last table to go deletes the pool, with no entry left behind.
    tables.pop_back();
    tables.pop_back();
    EXPECT_NE(valbase, nullptr);
    auditpool(tables);
    tables.clear();
    EXPECT_EQ(valbase, nullptr);
    EXPECT_EQ(valtablecount, 0u);
}

}  // namespace
