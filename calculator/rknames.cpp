#include "calculator/rknames.h"

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
