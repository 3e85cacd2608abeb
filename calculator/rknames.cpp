#include "calculator/rknames.h"

#include <algorithm>
#include <cstdio>
#include <vector>

const char* modename(int code)
{
    static const char* const names[] = {"Direct", "Runge Kutta", "Runge Kutta Arclength",
                                        "Simple", "Parametric",  "Contour"};
    return code >= 9 && code <= 14 ? names[code - 9] : nullptr;
}

std::string rkvarname(int level, int index, int limit)
{
    std::string name = index == 0 ? "f" : "f." + std::to_string(index);
    if (level <= limit)
        name.append(size_t(level > 0 ? level : 0), '\'');
    else
        name += "(" + std::to_string(level) + ")";
    return name;
}

std::string rkcolname(int n, const rkshape& shape, int limit)
{
    if (shape.arclength) {
        if (n == 0)
            return "arc";
        --n;
    }
    if (n <= 0)
        return std::string(1, shape.independent);
    int d = shape.dimension > 0 ? shape.dimension : 1;
    return rkvarname((n - 1) / d, (n - 1) % d, limit);
}

std::string modecolname(int n, int mode, rkshape shape)
{
    constexpr size_t width = 8;
    shape.arclength = mode == 11;
    std::string name = rkcolname(n, shape, 4);
    if (name.size() < width)
        name.append(width - name.size(), ' ');
    return name;
}

namespace {
constexpr int primelimit = 4;

void pad(std::string& s, size_t from, int width)
{
    if (s.size() < from + size_t(width))
        s.append(from + size_t(width) - s.size(), ' ');
}

// The columns a row shows: 1, 2, a filler or 3, and the last value.
std::vector<int> symbolcolumns(int values)
{
    std::vector<int> columns;
    for (int c = 1; c <= values; ++c) {
        if (c < 3 || c == values || (c == 3 && values == 4))
            columns.push_back(c);
        else if (c == 3)
            columns.push_back(0);
    }
    return columns;
}
}

std::string symbolrows(const rkshape& shape, int rows)
{
    int values = shape.dimension;
    int width = std::max(int(shape.order) + 5, 12);
    std::vector<int> columns = symbolcolumns(values);
    std::string text;
    for (int r = 0; r < rows; ++r) {
        bool filler = shape.order > 4 && (r == 2 || r == 3);
        if (shape.order > 4 && r >= 4)
            break;
        if (filler) {
            for (size_t c = 0; c < columns.size() && c < 4; ++c) {
                size_t at = text.size();
                text += "  .";
                pad(text, at, width);
            }
        } else {
            for (int c : columns) {
                size_t at = text.size();
                if (c == 0)
                    text += ". . .";
                else
                    text += rkvarname(r, values == 1 ? 0 : c, primelimit);
                pad(text, at, width);
            }
        }
        bool last = r == rows - 1 || (shape.order > 4 && r == 3);
        if (!last)
            text += "\n\r";
    }
    return text;
}

std::string showformulasymbols(const rkshape& shape)
{
    int values = shape.dimension, order = shape.order;
    int rows = std::max(order, 1);
    std::string highest = rkvarname(order, 0, primelimit);
    char line[160];
    if (values == 1)
        snprintf(line, sizeof line, "Expecting a single valued formula, defining how %s \n\r", highest.c_str());
    else
        snprintf(line, sizeof line, "Expecting a formula with %d values, defining how %s \n\r", values, highest.c_str());
    std::string text = line;
    snprintf(line, sizeof line, "depends on %c and %sf.\n\r", shape.independent,
             order >= 2 ? "the lower order derivatives of " : "");
    text += line;
    text += values > 1 ? "To refer to the components of f" : "To refer to f";
    if (order >= 2)
        text += values > 1 ? " and their derivatives, \n\r" : " and its derivatives, \n\r";
    else
        text += ", \n\r";
    bool several = values * rows > 1;
    text += several ? "use the following symbols:" : "use the following symbol:";
    text += "\n\n\r" + symbolrows(shape, rows);
    if (several) {
        text += "\n\n\rThey are atoms and must not be followed by braces.";
    } else {
        snprintf(line, sizeof line, "\n\n\rIt stands for f(%c) but must not be used with the braces.", shape.independent);
        text += line;
    }
    if (shape.arclength)
        text += "\n\rAllthough it is part of the interface, \"arc\" cannot \n\rbe used in the formula. ";
    return text;
}
