// Generated arithmetic formulas against the same expressions computed in
// C++: precedence, associativity, unary minus and brackets as the formula
// language defines them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"

namespace {

// Precedence levels; a higher level binds tighter.
enum level { additive = 1, multiplicative = 2, unary = 3, power = 4, atom = 5 };

struct node {
    char op = 0;  // '+', '-', '*', '/', '^', 'n' (unary minus), 0 (leaf)
    std::string leaf;
    double value = 0.0;
    std::unique_ptr<node> left, right;

    int level() const
    {
        switch (op) {
        case '+': case '-': return additive;
        case '*': case '/': return multiplicative;
        case 'n': return unary;
        case '^': return power;
        default: return atom;
        }
    }
};

class generator {
public:
    explicit generator(unsigned seed) : rng(seed) {}

    std::unique_ptr<node> make(int depth)
    {
        auto n = std::make_unique<node>();
        if (depth == 0 || pick(4) == 0) {
            static const char* const leaves[] = {"x", "y", "2", "0.5", "3.25", "7", "1.5E1", "pi"};
            static const double values[] = {0, 0, 2, 0.5, 3.25, 7, 15, 3.141592653589793};
            int i = pick(8);
            n->leaf = leaves[i];
            n->value = i == 0 ? x : i == 1 ? y : values[i];
            return n;
        }
        static const char ops[] = {'+', '-', '*', '/', '^', 'n'};
        n->op = ops[pick(6)];
        n->left = make(depth - 1);
        if (n->op == '^') {
            n->right = std::make_unique<node>();
            int e = pick(4);
            n->right->leaf = e == 3 ? "-1" : std::to_string(e);
            n->right->value = e == 3 ? -1 : e;
            if (e == 3) {  // a unary minus in the exponent
                n->right->op = 'n';
                n->right->left = std::make_unique<node>();
                n->right->left->leaf = "1";
                n->right->left->value = 1;
                n->right->leaf.clear();
            }
        } else if (n->op != 'n') {
            n->right = make(depth - 1);
        }
        return n;
    }

    // Text with the brackets the grammar needs, and now and then more.
    std::string print(const node& n)
    {
        if (!n.op)
            return n.leaf;
        if (n.op == 'n')
            return "-" + child(*n.left, n.left->level() < power);
        bool rightbrackets = n.op == '^' ? n.right->level() < unary : n.right->level() <= n.level();
        bool leftbrackets = n.op == '^' ? n.left->level() <= power : n.left->level() < n.level();
        return child(*n.left, leftbrackets) + std::string(1, n.op) + child(*n.right, rightbrackets);
    }

    double x = 1.25, y = 2.5;

private:
    int pick(int n) { return int(rng() % unsigned(n)); }

    std::string child(const node& n, bool needed)
    {
        static const char* const open = "([{";
        static const char* const close = ")]}";
        int kind = pick(3);
        if (needed || pick(8) == 0)
            return std::string(1, open[kind]) + print(n) + close[(kind + pick(2)) % 3];
        return print(n);
    }

    std::mt19937 rng;
};

// The expression in C++; false when a step leaves the finite, well-defined range.
bool evaluate(const node& n, double& v)
{
    if (!n.op) {
        v = n.value;
        return true;
    }
    double a = 0, b = 0;
    if (!evaluate(*n.left, a) || (n.right && !evaluate(*n.right, b)))
        return false;
    switch (n.op) {
    case '+': v = a + b; break;
    case '-': v = a - b; break;
    case '*': v = a * b; break;
    case '/':
        if (b == 0)
            return false;
        v = a / b;
        break;
    case '^':
        if (a <= 0)
            return false;
        v = std::pow(a, b);
        break;
    default: v = -a; break;
    }
    return std::isfinite(v) && std::fabs(v) < 1e100;
}

TEST(randomformulas, agreewithcplusplus)
{
    parser p;
    shared.reportswitch = 0;
    generator g(20261210);
    int compared = 0;
    for (int i = 0; i < 3000; ++i) {
        g.x = 0.25 + i % 7;
        g.y = 1.5 + i % 5;
        std::unique_ptr<node> tree = g.make(1 + i % 6);
        double want = 0;
        if (!evaluate(*tree, want))
            continue;
        std::string text = g.print(*tree);
        globaldiagnostics().clear();
        ASSERT_NE(p.compile(text.c_str(), "xy", 3), 0) << text << ": " << globaldiagnostics().message();
        double args[] = {g.x, g.y};
        double* got = p.calcarray(args, 2);
        ASSERT_EQ(shared.error, 0) << text;
        EXPECT_DOUBLE_EQ(got[0], want) << text << " x=" << g.x << " y=" << g.y;
        ++compared;
    }
    EXPECT_GT(compared, 2000);
}

}
