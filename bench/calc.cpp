// Nanoseconds per token of the evaluator on hand-assembled codes.
#include <benchmark/benchmark.h>

#include <vector>

#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/start.h"
#include "formula/tokens.h"

namespace {
using namespace tk;

const bool started = (startformula(), true);

struct program : parser {
    int ntokens;
    program(std::vector<unsigned char> tokens, std::vector<operand> cells)
        : ntokens(int(tokens.size()))
    {
        tokens.insert(tokens.begin(), ABORT);
        code.store(tokens.data(), int(tokens.size()), cells.data(), int(cells.size()));
        stamp = shared.implstamp;
    }
};

operand cst(double v) { return operand::ofconstant(v); }

void run(benchmark::State& state, program& p)
{
    double x = 0.7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.calc1(x));
        x += 1e-9;
    }
    state.counters["ns/token"] = benchmark::Counter(double(state.iterations()) * p.ntokens,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// x*x + 3*x - 1: pushes and arithmetic only.
void polynomial(benchmark::State& state)
{
    program p({FEED_ARG_1, FEED_ARG_1, TIMES, FEED_CONSTANT, FEED_ARG_1, TIMES, PLUS, FEED_CONSTANT,
               MINUS, END},
              {cst(3), cst(1)});
    run(state, p);
}

// Horner's rule for a degree-20 polynomial: a long run of inline tokens.
void horner(benchmark::State& state)
{
    std::vector<unsigned char> t{FEED_CONSTANT};
    std::vector<operand> c{cst(1)};
    for (int i = 0; i < 20; i++) {
        t.insert(t.end(), {FEED_ARG_1, TIMES, FEED_CONSTANT, PLUS});
        c.push_back(cst(i * 0.5));
    }
    t.push_back(END);
    program p(t, c);
    run(state, p);
}

// BTW(0, sin(x)^2 + cos(x)^2, 2) * min(x, 1, 2): table-dispatched handlers.
void builtins(benchmark::State& state)
{
    program p({FEED_CONSTANT, FEED_ARG_1, SIN, SQUARE, FEED_ARG_1, COS, SQUARE, PLUS, FEED_CONSTANT,
               BETWEEN, FEED_ARG_1, FEED_CONSTANT, FEED_CONSTANT, MINIMUM, TIMES, END},
              {cst(0), cst(2), cst(1), cst(2), operand::offunction(3, 1)});
    run(state, p);
}

// Comparisons and logic without library calls.
void logic(benchmark::State& state)
{
    program p({FEED_ARG_1, FEED_CONSTANT, LESS_THAN, FEED_ARG_1, FEED_CONSTANT, GREATER_EQUAL,
               EXCLUSIVE_OR, NOT, FEED_ARG_1, ROUND, PLUS, END},
              {cst(0.5), cst(0.2)});
    run(state, p);
}

parser keeper;  // holds the shared state
}

BENCHMARK(polynomial);
BENCHMARK(horner);
BENCHMARK(builtins);
BENCHMARK(logic);
