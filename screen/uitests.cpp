#include "screen/uiutil.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "screen/screen.h"

bool isprintable(unsigned char c)
{
    static const unsigned char oem[] = {132, 148, 129, 142, 153, 154, 225, 248, 0};
    static const unsigned char ansi[] = {228, 246, 252, 196, 214, 220, 223, 176, 0};
    if (c >= 32 && c <= 126)
        return true;
    if (c < 128)
        return false;
    if (fontisoem())
        return strchr(reinterpret_cast<const char*>(oem), c) != nullptr;
    if (fontisansi())
        return strchr(reinterpret_cast<const char*>(ansi), c) != nullptr;
    return false;
}

bool isnamestart(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isnamechar(unsigned char c)
{
    return (c >= '0' && c <= '9') || isnamestart(c);
}

bool isnumchar(unsigned char c)
{
    return c == '.' || isnamechar(c);
}

bool isopenbracket(unsigned char c)
{
    return c == '(' || c == '[' || c == '{';
}

bool isyes(int key)
{
    return key == 'Y' || key == 'y';
}

bool isnanval(double x)
{
    return std::isnan(x);
}

bool isinvalid(double x)
{
    return std::isnan(x) || x >= 1e300 || x <= -1e300;
}

bool isbadvalue(double x, double limit)
{
    return isinvalid(x) || std::fabs(x) > limit;
}

bool isbetween(double a, double x, double b)
{
    return a < x && x < b;
}

bool iswhole(double x)
{
    return std::floor(x) == x;
}

bool isevenreal(double x)
{
    return std::floor(x / 2.0) * 2 == x;
}

bool ispositive(double x)
{
    return x > 0;
}

bool iseven(int16_t n)
{
    return n % 2 == 0;
}

bool issquare(int32_t n)
{
    if (n < 0)
        return false;
    int64_t k = int64_t(std::sqrt(double(n)));
    while (k * k < n)
        k++;
    while (k > 0 && (k - 1) * (k - 1) >= n)
        k--;
    return k * k == n;
}
