#include "math/symeigen.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "base/limits.h"
#include "math/vecnorm.h"

symeigen::symeigen(int size)
{
    failed = size < 1;
    if (!failed)
        resize(size);
}

symeigen::~symeigen() = default;

bool symeigen::load(const double* matrix, int size)
{
    if (size < 1)
        return false;
    resize(size);
    std::copy(matrix, matrix + n * n, amat.begin() + 1);
    return true;
}

void symeigen::resize(int size)
{
    n = size;
    amat.assign(n * n + 1, 0.0);
    vmat.assign(n * n + 1, 0.0);
    buffer.assign(n + 1, 0.0);
    order.assign(n + 1, 0);
    for (int i = 0; i <= n; i++)
        order[i] = i;
}

bool symeigen::compute(const double* matrix, int size)
{
    return load(matrix, size) && decompose();
}

bool symeigen::decompose()
{
    symmetrize();
    bool converged = jacobi();
    sort();
    return converged;
}

void symeigen::symmetrize()
{
    for (int i = 2; i <= n; i++)
        for (int j = 1; j < i; j++)
            a(i, j) = a(j, i) = std::midpoint(a(i, j), a(j, i));
}

// Rotates away the largest off-diagonal entry until all are below 1e-16 of
// the Frobenius norm.  Finite input converges well within the cap.
bool symeigen::jacobi()
{
    rotations = 0;
    double f = vecnorm(amat.data(), 1, n * n);
    for (int i = 1; i <= n; i++)
        for (int j = 1; j <= n; j++)
            v(i, j) = i == j ? 1.0 : 0.0;
    if (!std::isfinite(f))
        return false;
    long cap = static_cast<long>(limits::jacobisweeps) * n * n;
    for (;;) {
        int p = 0, q = 0;
        double big = -1;
        for (int i = 2; i <= n; i++)
            for (int j = 1; j < i; j++)
                if (std::fabs(a(i, j)) > big) {
                    big = std::fabs(a(i, j));
                    p = i;
                    q = j;
                }
        if (big <= 1e-16 * f)
            return true;
        if (rotations >= cap)
            return false;
        rotate(p, q);
        rotations++;
    }
}

void symeigen::rotate(int p, int q)
{
    double theta = a(p, p) == a(q, q)
                       ? std::numbers::pi / 4
                       : 0.5 * std::atan(2 * a(p, q) / (a(p, p) - a(q, q)));
    double c = std::cos(theta), s = std::sin(theta);
    for (int k = 1; k <= n; k++) {
        double kp = a(k, p), kq = a(k, q);
        a(k, p) = c * kp + s * kq;
        a(k, q) = -s * kp + c * kq;
        kp = v(k, p);
        kq = v(k, q);
        v(k, p) = c * kp + s * kq;
        v(k, q) = -s * kp + c * kq;
    }
    for (int k = 1; k <= n; k++) {
        double pk = a(p, k), qk = a(q, k);
        a(p, k) = c * pk + s * qk;
        a(q, k) = -s * pk + c * qk;
    }
}

void symeigen::sort()
{
    for (int i = 0; i <= n; i++)
        order[i] = i;
    std::stable_sort(order.begin() + 1, order.end(),
                     [this](int x, int y) { return a(x, x) < a(y, y); });
}

double symeigen::value(int i) const
{
    if (i < 1 || i > n)
        return 0.0;
    int k = order[i];
    return amat[(k - 1) * n + k];
}

const double* symeigen::vector(int i)
{
    if (i < 1 || i > n)
        return nullptr;
    for (int k = 1; k <= n; k++)
        buffer[k - 1] = v(k, order[i]);
    return buffer.data();
}
