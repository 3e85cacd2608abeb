#include "formula/nfv.h"

#include <cstring>
#include <vector>

#include "base/limits.h"

namespace {
struct multirule {
    const char* name;
    int (*count)(int n);
};

// k searched upward from 1 with size(k) == n; 0 when no k fits exactly.
template <typename F>
int findk(int n, F size)
{
    for (int k = 1; size(k) <= n; ++k)
        if (size(k) == n)
            return k;
    return 0;
}

int squareside(int n, int f)
{
    return findk(n, [f](int k) { return f * k * k; });
}

const multirule multirules[] = {
    {"normiere", [](int n) { return n; }},
    {"conj", [](int n) { return n % 2 ? 0 : n; }},
    {"plus", [](int n) { return n % 2 ? 0 : n / 2; }},
    {"minus", [](int n) { return n % 2 ? 0 : n / 2; }},
    {"ctimes", [](int n) { return n % 2 ? 0 : n - 2; }},
    {"cPoly", [](int n) { return n % 2 ? 0 : 2; }},
    {"cPser", [](int n) { return n % 2 ? 0 : 2; }},
    {"times", [](int n) { return n - 1; }},
    {"solve", [](int n) { return findk(n, [](int k) { return k * (k + 1); }); }},
    {"mavect", [](int n) { return findk(n, [](int k) { return k * (k + 1); }); }},
    {"csolve", [](int n) { return 2 * findk(n, [](int k) { return 2 * k * (k + 1); }); }},
    {"cmavect", [](int n) { return 2 * findk(n, [](int k) { return 2 * k * (k + 1); }); }},
    {"sort", [](int n) { return n; }},
    {"reverse", [](int n) { return n; }},
    {"assume", [](int n) { return n; }},
    {"normpoly", [](int n) { return n + 1; }},
    {"mama", [](int n) { int k = squareside(n, 2); return k * k; }},
    {"cmama", [](int n) { int k = squareside(n, 4); return 2 * k * k; }},
    {"cdet", [](int n) { return squareside(n, 2) ? 2 : 0; }},
    {"symevals", [](int n) { return squareside(n, 1); }},
    {"inv", [](int n) { return squareside(n, 1) ? n : 0; }},
    {"transpose", [](int n) { return squareside(n, 1) ? n : 0; }},
    {"symevectors", [](int n) { return squareside(n, 1) ? n : 0; }},
    {"cinv", [](int n) { return squareside(n, 2) ? n : 0; }},
    {"ctranspose", [](int n) { return squareside(n, 2) ? n : 0; }},
};

int16_t multicount(const char* name, size_t length, int n)
{
    for (const multirule& r : multirules) {
        if (std::strlen(r.name) == length && std::memcmp(r.name, name, length) == 0) {
            int count = n < 1 ? 0 : r.count(n);
            return int16_t(count < 1 || count > 32000 ? 0 : count);
        }
    }
    return -1;
}

bool isblank(char c)
{
    return c == ' ';
}

// Name characters of these routines include dots and apostrophes.
bool isnfvnamechar(char c)
{
    return isnamechar(c) || c == '.' || c == '\'';
}

// Counts over one range of the text.  Nested calls skip whole bracket
// groups, so a count stays linear in the length of the range.  A bracket
// paired outside the range counts as unpaired.
class counter {
public:
    counter(const bracketpairs& brackets, const char* text) : brackets(brackets), text(text) {}

    int items(int from, int to);

private:
    // Bracket depths of unpaired brackets count as in a plain depth walk.
    int pair(int i) const { return brackets.partner(i); }
    int nextcomma(int from, int to) const;
    int item(int from, int to);
    int expression(int from, int to);

    const bracketpairs& brackets;
    const char* text;
    int nesting = 0;
};

// Next comma at bracket depth 0 in [from, to), or `to`.
int counter::nextcomma(int from, int to) const
{
    int depth = 0;
    for (int i = from; i < to; ++i) {
        char c = text[i];
        if (isopenbracket(c) && pair(i) >= 0 && pair(i) < to)
            i = pair(i);
        else if (isopenbracket(c))
            ++depth;
        else if (isclosebracket(c))
            --depth;
        else if (c == ',' && depth == 0)
            return i;
    }
    return to;
}

int counter::items(int from, int to)
{
    int sum = 0;
    int at = from;
    while (at < to) {
        int comma = nextcomma(at, to);
        sum += item(at, comma);
        at = comma;
        while (at < to && (text[at] == ',' || isblank(text[at])))
            ++at;
    }
    return sum > 32767 ? 32767 : sum;
}

// The count of the expression behind the last "=" or "\" at depth 0, less
// one for every "\" up to there, but not below 1.
int counter::item(int from, int to)
{
    int depth = 0;
    int split = -1;
    for (int i = to - 1; i >= from; --i) {
        char c = text[i];
        if (isclosebracket(c) && pair(i) >= from && pair(i) < i)
            i = pair(i);
        else if (isclosebracket(c))
            ++depth;
        else if (isopenbracket(c))
            --depth;
        else if (depth == 0 && (c == '=' || c == '\\')) {
            split = i;
            break;
        }
    }
    int count = expression(split + 1 > from ? split + 1 : from, to);
    for (int i = from; i <= split; ++i)
        if (text[i] == '\\' && count > 1)
            --count;
    return count;
}

int counter::expression(int from, int to)
{
    int at = from;
    while (at < to && (isblank(text[at]) || text[at] == '-' || isopenbracket(text[at])))
        ++at;
    if (at >= to)
        return 0;
    char c = text[at];
    if (isdigitchar(c) || c == '.')
        return 1;
    if (!isnamestart(c))
        return 0;
    int start = at;
    while (at < to && isnfvnamechar(text[at]))
        ++at;
    if (at - start == 1 || at >= to || text[at] != '#')
        return 1;
    if (at + 1 < to && isdigitchar(text[at + 1])) {
        ++at;
        return parseunsigned(text, at);
    }
    if (at + 1 >= to || text[at + 1] != '#')
        return 0;
    int open = at + 2;
    while (open < to && !isopenbracket(text[open]))
        ++open;
    if (open >= to || pair(open) < 0 || pair(open) >= to || nesting >= limits::nfvnesting)
        return 0;
    ++nesting;
    int n = items(open + 1, pair(open));
    --nesting;
    int count = n == 0 ? 0 : nfvmulti(text, start, n);
    return count < 0 ? 0 : count;
}
}

int parseunsigned(const char* text, int& at)
{
    while (text[at] == ' ')
        ++at;
    if (!isdigitchar(text[at]))
        return -1;
    long value = 0;
    while (isdigitchar(text[at])) {
        if (value < 100000)
            value = value * 10 + (text[at] - '0');
        ++at;
    }
    return int(value > 32767 ? 32767 : value);
}

bool isopenbracket(char c)
{
    return c == '(' || c == '[' || c == '{';
}

bool isclosebracket(char c)
{
    return c == ')' || c == ']' || c == '}';
}

int matchbracket(const char* text, int from, int to)
{
    int at = from;
    while ((to < 0 || at < to) && text[at] && !isopenbracket(text[at]))
        ++at;
    int depth = 0;
    for (; (to < 0 || at < to) && text[at]; ++at) {
        if (isopenbracket(text[at]))
            ++depth;
        else if (isclosebracket(text[at]) && --depth == 0)
            return at;
    }
    return 0;
}

bracketpairs::bracketpairs(const char* text, int from, int to) : base(from)
{
    std::vector<int> open;
    for (int i = from; (to < 0 || i < to) && text[i]; ++i) {
        pairs.push_back(-1);
        if (isopenbracket(text[i])) {
            open.push_back(i);
        } else if (isclosebracket(text[i]) && !open.empty()) {
            pairs[size_t(i - base)] = open.back();
            pairs[size_t(open.back() - base)] = i;
            open.pop_back();
        }
    }
}

int bracketpairs::partner(int at) const
{
    return at >= base && at - base < int(pairs.size()) ? pairs[size_t(at - base)] : -1;
}

int16_t nfvitems(const char* text, int from, int to)
{
    if (to <= from)
        return 0;
    bracketpairs brackets(text, from, to);
    return nfvitems(brackets, text, from, brackets.end());
}

int16_t nfvitems(const bracketpairs& brackets, const char* text, int from, int to)
{
    return int16_t(counter(brackets, text).items(from, to));
}

int16_t nfvformula(const char* text)
{
    int end = int(std::strlen(text));
    while (end > 0 && (isblank(text[end - 1]) || text[end - 1] == ';'))
        --end;
    int start = end;
    while (start > 0 && text[start - 1] != ';')
        --start;
    if (start == end)
        return 0;
    return nfvitems(text, start, end);
}

int16_t nfvmulti(const char* text, int at, int n)
{
    int end = at;
    while (isnamechar(text[end]))
        ++end;
    if (text[end] != '#')
        return -1;
    return multicount(text + at, size_t(end - at), n);
}

int16_t nfvmultiname(const char* name, int n)
{
    return multicount(name, std::strlen(name), n);
}
