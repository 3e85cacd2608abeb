// The transfer file writer: number chunks, records, the trailer and its
// flag word, and whole files read back by the independent reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "base/rkpformat.h"
#include "math/valtable.h"
#include "platform/core/files.h"
#include "plots/curvecolor.h"
#include "plots/plot.h"
#include "plots/printoptions.h"
#include "plots/transferfile.h"
#include "curvefixture.h"
#include "tests/screen/editrun.h"

namespace {

std::string bytes(std::initializer_list<int> v)
{
    std::string s;
    for (int b : v)
        s.push_back(char(b));
    return s;
}

TEST(transfernumbers, TextTravelsInSixByteChunks)
{
    struct {
        double value;
        std::string expected;
    } cases[] = {
        {0.5, bytes({21, 3, 0, 0, 0, 0xFF, '0', '.', '5', 0, 0, 0xFF})},
        {100000, bytes({21, 6, 0, 0, 0, 0xFF, '1', '0', '0', '0', '0', '0', 0, 0, 0, 0, 0, 0xFF})},
        {12345, bytes({21, 5, 0, 0, 0, 0xFF, '1', '2', '3', '4', '5', 0xFF})},
        {0.1, bytes({21, 3, 0, 0, 0, 0xFF, '0', '.', '1', 0, 0, 0xFF})},
        {1e20, bytes({21, 5, 0, 0, 0, 0xFF, '1', 'e', '+', '2', '0', 0xFF})},
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_TRUE(rkp::putnumber(out, c.value));
        EXPECT_EQ(out, c.expected) << c.value;
    }
    std::string out;
    EXPECT_FALSE(rkp::putnumber(out, NAN));
    EXPECT_FALSE(rkp::putnumber(out, INFINITY));
    EXPECT_TRUE(out.empty());
}

TEST(transfernumbers, FormatIsTheCLocalesWhateverTheProcessLocale)
{
    char buffer[64];
    for (double v : {M_PI, -1.234567890123457e-308, 1e100, 20000.0, -0.0}) {
        std::snprintf(buffer, sizeof buffer, "%.16g", v);
        EXPECT_EQ(rkp::numbertext(v), buffer);
    }
}

TEST(transfertrailer, NiceStepKeepsTheAxisNearNMainUnits)
{
    struct {
        double low, high, n, unit;
    } cases[] = {{0, 7, 10, 1}, {0, 2, 10, 0.1}, {-3, 3, 8, 1}, {5, 0, 10, 1}, {0, 1000, 2, 1000}, {0, 1000, 20, 100}, {0, 31.6, 10, 1}};
    for (const auto& c : cases) {
        double unit, anchor = 7;
        EXPECT_TRUE(nicestep(c.low, c.high, unit, anchor, c.n));
        EXPECT_DOUBLE_EQ(unit, c.unit) << c.low << ".." << c.high;
        EXPECT_EQ(anchor, 0);
        double steps = std::fabs(c.high - c.low) / unit;
        EXPECT_GT(steps, std::sqrt(10.0) * c.n / 10);
        EXPECT_LE(steps, std::sqrt(10.0) * c.n);
    }
    double a[2], u[2];
    EXPECT_FALSE(tickunits({1, 1, 1, 0}, a, u, 8));
    EXPECT_EQ(u[0], 1);
    EXPECT_EQ(u[1], 1);
    EXPECT_EQ(a[0], 0);
}

// The record codes of a stream, numbers skipped.
std::vector<int> codes(const std::string& s)
{
    std::vector<int> c;
    for (size_t i = 0; i + 6 <= s.size(); i += 6) {
        c.push_back(uint8_t(s[i]));
        if (uint8_t(s[i]) == rkp::numberhead)
            i += (uint8_t(s[i + 1]) / 6 + 1) * 6;
    }
    c.erase(std::remove(c.begin(), c.end(), int(rkp::numberhead)), c.end());
    return c;
}

// Field a of the last record with that code.
int fielda(const std::string& s, int code)
{
    int a = -1;
    for (size_t i = 0; i + 6 <= s.size(); i += 6) {
        if (uint8_t(s[i]) == code && uint8_t(s[i + 5]) == 0xFF)
            a = uint8_t(s[i + 1]) | uint8_t(s[i + 2]) << 8;
        if (uint8_t(s[i]) == rkp::numberhead)
            i += (uint8_t(s[i + 1]) / 6 + 1) * 6;
    }
    return a;
}

TEST(transfertrailer, RecordsAndFlagWordFollowTheOptions)
{
    struct {
        const char* name;
        void (*set)(printoptions&);
        std::vector<int> order;
        int flags, interpretation;
    } cases[] = {
        {"defaults", [](printoptions&) {}, {22, 23, 24, 27, 17, 25, 18}, 0x200 | 0x400 | 0x20 * 0, 1},
        {"auto-synchronize", [](printoptions& o) { o.autosynchronize = 1; }, {22, 23, 24, 17, 25, 18}, 0x4600, 1},
        {"margins", [](printoptions& o) { o.defaultmargins = 0; }, {22, 23, 24, 27, 16, 28, 17, 25, 18}, 0x600, 1},
        {"largest shape, strict", [](printoptions& o) { o.largestshape = 1, o.interpretation = 0; },
         {22, 23, 24, 27, 17, 25, 18}, 0x610, 2},
        {"landscape, interpretation 3", [](printoptions& o) { o.orientation = 4, o.interpretation = 3; },
         {22, 23, 24, 27, 17, 25, 18}, 0x410, 0},
        {"only X, no box, no grid, true cm",
         [](printoptions& o) { o.yaxis = 0, o.box = 0, o.griddensity = 0, o.gridsynchronized = 0; },
         {22, 23, 24, 27, 17, 25, 18}, 0x200 | 0x100 | 0x2000 | 0x40 | 0x1000 | 0x20, 1},
        {"only Y, density 3", [](printoptions& o) { o.xaxis = 0, o.griddensity = 3; },
         {22, 23, 24, 27, 17, 25, 18}, 0x200 | 0x8 | 0x40 | 0x2, 1},
    };
    for (const auto& c : cases) {
        printoptions o;
        c.set(o);
        std::string out;
        EXPECT_TRUE(puttrailer(out, {-1, 2, 6, -2}, o)) << c.name;
        EXPECT_EQ(codes(out), c.order) << c.name;
        EXPECT_EQ(fielda(out, rkp::flagword), c.flags) << c.name;
        EXPECT_EQ(fielda(out, rkp::interpretation), c.interpretation) << c.name;
        EXPECT_EQ(out.substr(out.size() - 6, 1), std::string(1, char(rkp::flagword))) << c.name;
    }
}

TEST(transfercurves, PenUpTurnsTheNextLineIntoAMoveAndOutsidePointsAreLeftOut)
{
    plotcmdlist list;
    for (plotcmd c : {plotcmd{plotcmd::line, 10, 0}, plotcmd{plotcmd::line, 20, 100}, plotcmd{plotcmd::penup, 0, 0},
                      plotcmd{plotcmd::line, 30, 200}, plotcmd{plotcmd::line, 0, 300}, plotcmd{plotcmd::line, 40, 400},
                      plotcmd{plotcmd::end, 50, 50}, plotcmd{plotcmd::line, 50, 20000}})
        list.append(c);
    std::string out;
    putpolyline(out, list);
    std::string expected;
    rkp::putrecord(expected, 1, 10, 20000);
    rkp::putrecord(expected, 2, 20, 19900);
    rkp::putrecord(expected, 1, 30, 19800);
    rkp::putrecord(expected, 1, 40, 19600);
    rkp::putrecord(expected, 2, 50, 0);
    EXPECT_EQ(out, expected);
}

// A plot of one perspective over curves of C++ functions.
struct transferplot : ::testing::Test {
    plot p;
    plotpsp* psp = new plotpsp(&p);
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("transfer" + std::to_string(getpid()));

    transferplot()
    {
        makecurvecolors();
        p.perspectives.append(psp);
        psp->transfer.back = psp;
        std::filesystem::create_directories(dir);
    }
    ~transferplot() override { std::filesystem::remove_all(dir); }

    autoprint* add(std::function<double(double)> f, const drect& world, uint16_t colour)
    {
        auto* g = new functiongraph(std::move(f));
        p.graphs.append(g);
        g->implement();
        auto* c = new plotcurve;
        c->graph = g;
        c->world = world;
        c->colour = colour;
        c->selection[0] = c->selection[1] = 1;
        c->argnumber = 1;
        p.curves.append(c);
        auto* e = new autoprint(psp, c);
        psp->consider.append(e);
        return e;
    }
    // The independent reader's model ("dump") or its check of a file
    // ("check": "ok" or the faults; status tells whether it found any).
    static std::string rkpfile(const std::string& verb, const std::string& path, int* status = nullptr)
    {
        std::string command = "/usr/bin/python3 " VEMO_SOURCE_DIR "/tests/vemdraw/rkpfile.py " + verb + " " + path;
        FILE* pipe = popen(command.c_str(), "r");
        std::string text;
        char buffer[4096];
        size_t n;
        while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, n);
        int ended = pipe ? pclose(pipe) : -1;
        if (status)
            *status = ended;
        else
            EXPECT_EQ(ended, 0) << command;
        return text;
    }
    static std::string dump(const std::string& path) { return rkpfile("dump", path); }
};

// The points of a dump's lines as world points of window w; a new run
// (a move) starts a new vector.
std::vector<std::vector<std::pair<double, double>>> dumpedruns(const std::string& model, const drect& w)
{
    std::vector<std::vector<std::pair<double, double>>> runs;
    std::istringstream lines(model);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("line ", 0) != 0)
            continue;
        std::istringstream points(line);
        std::string token;
        points >> token >> token >> token;
        while (points >> token) {
            int code, x, y;
            if (std::sscanf(token.c_str(), "%d:%d,%d", &code, &x, &y) != 3)
                continue;
            if (code == 1 || runs.empty())
                runs.emplace_back();
            runs.back().push_back({w.left + x * (w.right - w.left) / 20000, w.top - y * (w.top - w.bottom) / 20000});
        }
    }
    return runs;
}

TEST_F(transferplot, SineWrittenAndReadBackByTheIndependentReader)
{
    autoprint* e = add([](double x) { return std::sin(x); }, {0, 1.5, 2 * M_PI, -1.5}, 1);
    e->resolution = 100;
    std::strcpy(psp->transfer.name, "sine.rkp");
    std::string path;
    bool made = false;
    hostrun run = rundialogue("<ok>", [&] { made = maketransferfile(*psp, dir.string(), path); });
    ASSERT_TRUE(made);
    EXPECT_EQ(path, (dir / "SINE.RKP").string());
    EXPECT_GT(e->printpoints, 90u);
    std::string model = dump(path);
    std::istringstream lines(model);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "diagram 1");
    std::getline(lines, line);
    ASSERT_EQ(line.substr(0, 12), "line 20 0000") << line;
    std::istringstream points(line.substr(line.find(' ', 13) + 1));
    std::string token;
    int n = 0;
    while (points >> token) {
        int code, x, y;
        ASSERT_EQ(std::sscanf(token.c_str(), "%d:%d,%d", &code, &x, &y), 3) << token;
        EXPECT_EQ(code, n ? 2 : 1);
        double wx = x * 2 * M_PI / 20000, wy = 1.5 - y * 3.0 / 20000;
        EXPECT_NEAR(wy, std::sin(wx), 2e-3) << token;
        ++n;
    }
    EXPECT_GT(n, 90);
    EXPECT_LE(uint32_t(n) + 1, e->printpoints);
}

TEST_F(transferplot, AFailedSaveTellsFalseAndKeepsTheOldFile)
{
    add([](double x) { return x; }, {0, 1, 1, 0}, 0);
    std::strcpy(psp->transfer.name, "OLD.RKP");
    std::string path = (dir / "OLD.RKP").string();
    std::ofstream(path) << "old";
    simulatesavefailure(true);
    bool made = true;
    // The second OK takes the existing file.
    hostrun run = rundialogue("<dialog ok ok><dump q> ", [&] {
        std::string written;
        made = maketransferfile(*psp, dir.string(), written);
    });
    simulatesavefailure(false);
    EXPECT_FALSE(made);
    EXPECT_NE(dumptext(run, "q").find("OLD.RKP"), std::string::npos) << dumptext(run, "q");
    EXPECT_NE(dumptext(run, "q").find("No space left on device"), std::string::npos) << dumptext(run, "q");
    std::string old;
    EXPECT_TRUE(loadfile(path, old));
    EXPECT_EQ(old, "old");
}

TEST_F(transferplot, AnEmptyWindowWritesNothing)
{
    add([](double x) { return x; }, {0, 1, 0, 0}, 0);
    std::string path;
    bool made = true;
    std::strcpy(psp->transfer.name, "EMPTY.RKP");
    hostrun run = rundialogue("<ok><dump q> ", [&] { made = maketransferfile(*psp, dir.string(), path); });
    EXPECT_FALSE(made);
    EXPECT_NE(dumptext(run, "q").find("empty window"), std::string::npos) << dumptext(run, "q");
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Curves with known points: each file passes every item of the
// independent checker, its decoded runs lie on the curve, and its bytes are
// the committed ones that VEMDRAW's reader tests read (VEMO_UPDATE_GOLDEN=1
// writes them).
TEST_F(transferplot, KnownCurvesPassTheCheckerAndLieOnTheCurve)
{
    parser first;  // the compiler's shared state
    callingobject circleformula("cos(t), sin(t)", "t");
    directparam circle(static_cast<fastplot*>(nullptr), &circleformula.object);
    struct known {
        const char* name;
        drect w;
        std::function<double(double, double)> distance;   // from the curve
        size_t gaps;
    } cases[] = {
        {"sine", {0, 1.5, 2 * M_PI, -1.5}, [](double x, double y) { return std::fabs(y - std::sin(x)); }, 0},
        {"circle", {-1.5, 1.5, 1.5, -1.5}, [](double x, double y) { return std::fabs(std::hypot(x, y) - 1); }, 0},
        {"break", {-2, 4.5, 2, -0.5},
         [](double x, double y) { return std::fabs(x) < 0.5 ? 1.0 : std::fabs(y - x * x) / (1 + 4 * std::fabs(x)); }, 1},
    };
    for (const known& k : cases) {
        psp->consider.clear();
        p.curves.clear();
        autoprint* e;
        if (std::string(k.name) == "circle") {
            e = add([](double) { return 0.0; }, k.w, 3);
            plotcurve* c = e->curve;
            c->graph = &circle;
            c->selection[0] = 1;
            c->selection[1] = 2;
            c->rangelow = 0;
            c->rangehigh = 2 * M_PI;
            c->owntable = std::make_shared<valtable>(3);
            c->owntable->startreplaceable = 1;
            c->owntable->flush();
        } else if (std::string(k.name) == "sine") {
            e = add([](double x) { return std::sin(x); }, k.w, 1);
        } else {
            e = add([](double x) { return std::fabs(x) < 0.5 ? NAN : x * x; }, k.w, 2);
        }
        e->resolution = 200;
        std::snprintf(psp->transfer.name, sizeof psp->transfer.name, "%s.RKP", k.name);
        std::string path;
        bool made = false;
        rundialogue("<ok>", [&] { made = maketransferfile(*psp, dir.string(), path); });
        ASSERT_TRUE(made) << k.name;
        EXPECT_EQ(rkpfile("check", path), "ok\n") << k.name;
        // Moves that leave a gap, not those that start a new arc where the
        // last one ended.
        auto runs = dumpedruns(dump(path), k.w);
        size_t gaps = 0;
        for (size_t i = 1; i < runs.size(); ++i)
            gaps += std::hypot(runs[i].front().first - runs[i - 1].back().first,
                               runs[i].front().second - runs[i - 1].back().second)
                    > 0.1;
        EXPECT_EQ(gaps, k.gaps) << k.name;
        size_t points = 0;
        for (const auto& run : runs)
            for (auto [x, y] : run) {
                EXPECT_LT(k.distance(x, y), 2e-3) << k.name << " at " << x << "," << y;
                ++points;
            }
        EXPECT_GT(points, 100u) << k.name;
        std::string written, golden;
        std::string goldenpath = VEMO_SOURCE_DIR "/tests/plots/golden/transfer-" + std::string(k.name) + ".rkp";
        ASSERT_TRUE(loadfile(path, written));
        if (const char* update = std::getenv("VEMO_UPDATE_GOLDEN"); update && *update == '1')
            std::filesystem::copy_file(path, goldenpath, std::filesystem::copy_options::overwrite_existing);
        ASSERT_TRUE(loadfile(goldenpath, golden)) << goldenpath;
        EXPECT_EQ(written, golden) << k.name;
    }
}

// The checker is no rubber stamp: a written file broken in one place
// fails it.
TEST_F(transferplot, TheCheckerFindsEachBreach)
{
    add([](double x) { return x; }, {0, 1, 1, 0}, 0);
    std::strcpy(psp->transfer.name, "LINE.RKP");
    std::string path, good;
    bool made = false;
    rundialogue("<ok>", [&] { made = maketransferfile(*psp, dir.string(), path); });
    ASSERT_TRUE(made);
    ASSERT_TRUE(loadfile(path, good));
    size_t trailer = good.find(std::string("\x16\0\0\0\0\xff", 6));
    ASSERT_NE(trailer, std::string::npos);
    struct {
        const char* fault;
        std::function<void(std::string&)> breach;
    } cases[] = {
        {"frame mark", [](std::string& f) { f[11] = 0; }},
        {"multiple of 6", [](std::string& f) { f.pop_back(); }},
        {"no move", [](std::string& f) { f[12] = 2; }},
        {"outside the square", [](std::string& f) { f[13] = char(0xFF), f[14] = char(0xFF); }},
        {"no finite number", [&](std::string& f) { f.replace(trailer + 12, 1, "n"); }},
        {"flag word", [](std::string& f) { f.replace(f.size() - 6, 6, std::string("\x12\x01\x01\0\0\xff", 6)); }},
        {"not the last record", [](std::string& f) { f.erase(f.size() - 6); }},
    };
    for (const auto& c : cases) {
        std::string broken = good;
        c.breach(broken);
        ASSERT_TRUE(savefile(path, broken));
        int status = 0;
        std::string found = rkpfile("check", path, &status);
        EXPECT_NE(status, 0) << c.fault;
        EXPECT_NE(found.find(c.fault), std::string::npos) << c.fault << ": " << found;
    }
}

}  // namespace
