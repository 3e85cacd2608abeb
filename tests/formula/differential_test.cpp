// The evaluator against its former loop (referencecalc.cpp): every formula
// of the case table and generated ones give the same values bit for bit,
// the same error byte and code, the same reports in the same order and
// leave the stack, the answer and the memory register alike.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/execform.h"
#include "formula/parser.h"
#include "math/random.h"
#include "referencecalc.h"

namespace {
std::uint64_t bits(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

struct outcome {
    std::vector<std::uint64_t> values;
    int error = 0, errorcode = 0;
    std::vector<std::string> reports;
    long top = 0, result = 0;
    std::uint64_t answer = 0, memory = 0;

    bool operator==(const outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const outcome& o)
{
    out << "error=" << o.error << " code=" << o.errorcode << " top=" << o.top << " result=" << o.result
        << " answer=" << std::hex << o.answer << " memory=" << o.memory << " values=";
    for (std::uint64_t v : o.values)
        out << v << ",";
    out << std::dec;
    for (const std::string& r : o.reports)
        out << "\n  report: " << r;
    return out;
}

// Compiles text afresh, runs it with run(p) from the same state and
// records what it leaves.
template <class Run> outcome observe(const std::string& letters, const std::string& text, Run run)
{
    parser p;
    outcome o;
    if (p.compile(text.c_str(), letters.c_str(), 3) == 0)
        return o;
    clearrecordedreports();
    shared.reportswitch = 3;
    setseed(4711);
    double* result = run(p);
    o.error = shared.error;
    o.errorcode = shared.errorcode;
    for (const reportentry& r : recordedreports())
        o.reports.push_back(std::to_string(int(r.kind)) + "|" + r.caption + "|" + std::to_string(r.footer) + "|" + r.text);
    o.top = long(shared.top - shared.valuestack);
    o.result = long(shared.result - shared.valuestack);
    o.answer = bits(p.answer);
    o.memory = bits(p.memory);
    for (int i = 0; result && !o.error && i < p.valuecount; ++i)
        o.values.push_back(bits(result[i]));
    return o;
}

// As parser::calcarray, with the former loop.
double* referencearray(parser& p, const std::vector<double>& values)
{
    shared.error = evalok;
    shared.running = 1;
    shared.top = shared.valuestack + 2;
    shared.calllevel = 0;
    double* args = shared.top;
    for (double v : values)
        *shared.top++ = v;
    referencecalc(p, args);
    shared.running = 0;
    return shared.result;
}

// Each formula runs twice: the second run takes the way of a parser whose
// execution form is made.
void compare(const std::string& letters, const std::string& text, const std::vector<double>& values)
{
    outcome want = observe(letters, text, [&](parser& p) {
        referencearray(p, values);
        return referencearray(p, values);
    });
    outcome got = observe(letters, text, [&](parser& p) {
        p.calcarray(values.data(), short(values.size()));
        return p.calcarray(values.data(), short(values.size()));
    });
    EXPECT_EQ(got, want) << letters << "|" << text;
    if (values.size() != 1)
        return;
    outcome single = observe(letters, text, [&](parser& p) {
        p.calc1(values[0]);
        p.calc1(values[0]);
        return shared.result;
    });
    EXPECT_EQ(single, want) << letters << "|" << text << " by calc1";
}

TEST(differential, casetable)
{
    std::ifstream in(std::string(VEMO_SOURCE_DIR) + "/tests/formula/formulacases.txt");
    std::string line;
    int compared = 0;
    while (std::getline(in, line)) {
        size_t arrow = line.find(" => ");
        if (line.empty() || line[0] == '#' || arrow == std::string::npos)
            continue;
        std::string input = line.substr(0, arrow);
        size_t first = input.find('|'), last = input.rfind('|');
        std::vector<double> values;
        std::istringstream list(input.substr(last + 1));
        for (std::string v; std::getline(list, v, ',');)
            values.push_back(std::strtod(v.c_str(), nullptr));
        compare(input.substr(0, first), input.substr(first + 1, last - first - 1), values);
        ++compared;
    }
    EXPECT_GT(compared, 100);
}

// Fully bracketed formulas of the arithmetic, the functions the evaluator
// runs itself, handler functions and constants that fold, now and then
// out of a function's domain.
class formulamaker {
public:
    explicit formulamaker(unsigned seed) : rng(seed) {}

    std::string make(int depth)
    {
        if (depth == 0 || pick(5) == 0) {
            static const char* const leaves[] = {"x", "y", "x", "y", "2", "3", "0", "0.5", "-1.25", "pi", "1e300", "ans"};
            return leaves[pick(12)];
        }
        switch (pick(6)) {
        case 0: case 1: case 2: {
            static const char* const ops[] = {"+", "-", "*", "/", "^"};
            int o = pick(5);
            std::string right = o == 4 && pick(2) ? std::to_string(2 + pick(2)) : make(depth - 1);
            return "(" + make(depth - 1) + ops[o] + right + ")";
        }
        case 3: {
            static const char* const functions[] = {"sin", "cos", "tan", "atn", "tanh", "sqr", "exp", "ln",
                                                    "log", "abs", "quad", "asn", "sgn", "cur", "-"};
            return std::string(functions[pick(15)]) + "(" + make(depth - 1) + ")";
        }
        case 4: {
            static const char* const functions[] = {"min", "max", "LE", "atn2"};
            int f = pick(4);
            std::string args = make(depth - 1) + "," + make(depth - 1);
            if (f < 2 && pick(2))
                args += "," + make(depth - 1);
            return std::string(functions[f]) + "(" + args + ")";
        }
        default:
            return "(" + make(depth - 1) + "+" + make(0) + "+" + make(0) + "+" + make(0) + ")";
        }
    }

private:
    int pick(int n) { return int(rng() % unsigned(n)); }
    std::mt19937 rng;
};

TEST(differential, generatedformulas)
{
    formulamaker maker(20261210);
    for (int i = 0; i < 4000; ++i) {
        std::string text = maker.make(1 + i % 6);
        compare("xy", text, {0.25 + i % 7 - 3, 1.5 + i % 5});
    }
}

// Formulas that reach the stack's end stop as the loop stopped them, at
// every distance from it.
TEST(differential, stackend)
{
    parser holder;  // the shared state, for its capacity
    std::string sum = "x";
    for (int i = 0; i < 40; ++i)
        sum = "(x+" + sum + ")";
    for (int free = 0; free < 50; ++free) {
        std::vector<double> values(shared.valuecapacity - 4 - free, 1.5);
        compare("x", sum, values);
    }
}
}

namespace {
// Runs of one argument added to itself (summed from a table in the form),
// with arguments of every size: next to the table's region ends, where it
// leaves the sum to the additions, and out of its reach.
TEST(differential, runsofoneargument)
{
    const double xs[] = {0.7, -1.3e-5, 4.0 / 3, 1.0 + 0x1p-40, 3.0 / 5, 1e300, 1e306, 3e-308, 5e-320, -0.0};
    for (int copies = 2; copies <= 70; ++copies) {
        std::string run = "x";
        for (int i = 1; i < copies; ++i)
            run += "+x";
        for (double x : xs) {
            compare("xy", run, {x, 2.5});
            compare("xy", "y*(" + run + ")-(" + run + ")", {x, 2.5});
        }
    }
}

// Powers by the constants 1, 2 and 3, run apart in the form, of arguments
// of every kind.
TEST(differential, smallconstantpowers)
{
    for (double x : {0.7, -1.3, 0.0, -0.0, 1e-310, -3e-320, 1e300, -1e200, 0x1p-70, 1.0 + 0x1p-30})
        for (const char* text : {"x^1", "x^2", "x^3", "(x*y)^1+y^3", "-x^1/y^2"})
            compare("xy", text, {x, 2.5});
    // squared or cubed arguments taken by the next operation; the first
    // three lie next to a midpoint, where the library's pow decides
    for (double x : {0x1.b6ad2c9a85ee6p-1, 0x1.3faf9e222af91p+0, 0x1.46e9521d3f3f4p+0, 0.7, -1.3, 1e200, 1e-200, 0.0})
        for (const char* text : {"x^2+y^2", "y-x^3", "y*x^2", "y/x^3", "y+sin(x^2)", "x^2", "y^3-x^2*y"})
            compare("xy", text, {x, 2.5});
    compare("xy", "(x/y)^1", {1.0, 0.0});
    compare("xy", "(x*y)^1", {1e300, 1e300});
    compare("xy", "ln(x)^1", {-1.0, 0.0});
}

// A constant times an argument added to or taken from the value before.
TEST(differential, scaledargumentsums)
{
    for (double x : {0.7, -1.3e-5, 1e300, 3e-308, 0.1})
        for (const char* text : {"2*y+2*x", "x-2/3*y", "(5.5+x)+(2*x-2/3*y)*(x/3+y/4)", "1e300*x+1e300*x",
                                 "x-0.1*x-0.1*x", "sin(x)-3*y+2*x"})
            compare("xy", text, {x, 0.3});
}

// The common formulas run in the execution form, not in the general loop,
// constants folded: a fault here costs speed, not results.
TEST(differential, formcoverscommonformulas)
{
    for (const char* text : {"2*x+sin(y)^2-min(x,y,1)", "((((2*x+3)*x-4)*x+5)*x-6)*x+7", "LE(x,y)*x^3+x^15"}) {
        parser p;
        ASSERT_NE(p.compile(text, "xy", 3), 0) << text;
        double args[] = {0.5, 0.75};
        p.calcarray(args, 2);
        ASSERT_NE(p.code.form, nullptr) << text;
        EXPECT_TRUE(p.code.form->usable) << text;
    }
    parser p;
    ASSERT_NE(p.compile("exp(-x*x/2)/sqr(2*pi)", "x", 3), 0);
    p.calc1(1.0);
    ASSERT_NE(p.code.form, nullptr);
    // x, neg, *x, /2, exp, sqr(2*pi) folded and its error test, /, end
    EXPECT_EQ(p.code.form->ops.size(), 9u);
}
}
