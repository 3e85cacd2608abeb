#include "math/qrsolver.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "base/report.h"

namespace {

bool allfinite(const double* v, int count)
{
    for (int i = 1; i <= count; i++)
        if (!std::isfinite(v[i]))
            return false;
    return true;
}

}  // namespace

const double* QRsolver::qrsetup(const double* amat, const double* bvec, int rows, int cols,
                                double krit, int limit)
{
    m = rows;
    n = cols;
    maxrank = limit;
    rank = 0;
    try {
        a.assign(amat, amat + m * n + 1);
        b.assign(bvec, bvec + m + 1);
        x.assign(n + 1, 0.0);
    } catch (const std::bad_alloc&) {
        failed = true;
        return nullptr;
    }
    failed = false;
    a[0] = b[0] = 0.0;
    if (!allfinite(a.data(), m * n) || !allfinite(b.data(), m))
        return nullptr;
    return solve(krit);
}

// Orthogonalizes the columns of a (rows x cols, overwritten) into st and
// returns the number of accepted steps.
int QRsolver::decompose(stage& st, std::vector<double>& mat, int rows, int cols, double krit,
                        int limit, bool record)
{
    int k = std::min(rows, cols);
    st.rows = rows;
    st.cols = cols;
    st.k = k;
    st.u.assign(rows * k + 1, 0.0);
    st.r.assign(k * cols + 1, 0.0);
    st.used.assign(cols + 1, 0);
    st.perm.assign(k + 1, 0);
    if (record)
        ratios.assign(k + 2, 0.0);
    norms.assign(cols + 1, 0.0);
    auto A = [&](int i, int j) -> double& { return mat[(i - 1) * cols + j]; };

    int pivot = 0;
    for (int j = 1; j <= cols; j++) {
        for (int i = 1; i <= rows; i++)
            norms[j] += A(i, j) * A(i, j);
        if (pivot == 0 || norms[j] > norms[pivot])
            pivot = j;
    }
    double s0 = pivot ? norms[pivot] : 0.0;
    if (!(s0 > 0))
        return 0;
    int r = 1;
    for (; r <= k && pivot; r++) {
        double ratio = norms[pivot] / s0;
        if (record)
            ratios[r] = ratio;
        // A column without remaining norm cannot be a pivot, whatever krit.
        if (!(ratio >= krit * krit) || !(norms[pivot] > 0) || (limit > 0 && r > limit))
            break;
        double norm = std::sqrt(norms[pivot]);
        for (int i = 1; i <= rows; i++)
            st.U(i, r) = A(i, pivot) / norm;
        if (ratio < reorthogonalize) {
            for (int q = 1; q < r; q++) {
                double p = 0;
                for (int i = 1; i <= rows; i++)
                    p += st.U(i, r) * st.U(i, q);
                for (int i = 1; i <= rows; i++)
                    st.U(i, r) -= p * st.U(i, q);
            }
            double ss = 0;
            for (int i = 1; i <= rows; i++)
                ss += st.U(i, r) * st.U(i, r);
            double f = ss > 0 ? 1.0 / std::sqrt(ss) : 1.0;
            for (int i = 1; i <= rows; i++)
                st.U(i, r) *= f;
        }
        st.R(r, pivot) = norm;
        st.used[pivot] = r;
        st.perm[r] = pivot;
        int next = 0;
        for (int j = 1; j <= cols; j++) {
            if (st.used[j])
                continue;
            double p = 0;
            for (int i = 1; i <= rows; i++)
                p += A(i, j) * st.U(i, r);
            st.R(r, j) = p;
            double ss = 0;
            for (int i = 1; i <= rows; i++) {
                A(i, j) -= p * st.U(i, r);
                ss += A(i, j) * A(i, j);
            }
            norms[j] = ss;
            if (next == 0 || ss > norms[next])
                next = j;
        }
        pivot = next;
    }
    return r - 1;
}

// Solves R z = y over the first rank steps; z is indexed by column.
void QRsolver::backsubstitute(stage& st, int steps, const double* rhs, double* out)
{
    for (int r = steps; r >= 1; r--) {
        double sum = rhs[r];
        for (int q = r + 1; q <= steps; q++)
            sum -= st.R(r, st.perm[q]) * out[st.perm[q]];
        out[st.perm[r]] = sum / st.R(r, st.perm[r]);
    }
}

const double* QRsolver::solve(double krit)
{
    try {
        rank = decompose(first, a, m, n, krit, maxrank, true);
        int k = first.k;
        c.assign(k + 1, 0.0);
        for (int r = 1; r <= k; r++)
            for (int i = 1; i <= m; i++)
                c[r] += first.U(i, r) * b[i];
        std::fill(x.begin(), x.end(), 0.0);
        if (m == n && rank == n) {
            backsubstitute(first, rank, c.data(), x.data());
            return x.data();
        }
        // Minimum norm: x = R^T z with (R R^T) z = c, R the accepted rows.
        g.assign(rank * rank + 1, 0.0);
        for (int i = 1; i <= rank; i++)
            for (int j = 1; j <= rank; j++) {
                double sum = 0;
                for (int col = 1; col <= n; col++)
                    sum += first.R(i, col) * first.R(j, col);
                g[(i - 1) * rank + j] = sum;
            }
        int hr = decompose(second, g, rank, rank, 0.0, 0, false);
        if (hr != rank) {
            report(reportkind::fault, "\n rank != hr in QRsolver::solve \n");
            return nullptr;
        }
        y.assign(rank + 1, 0.0);
        z.assign(rank + 1, 0.0);
        for (int i = 1; i <= rank; i++)
            for (int q = 1; q <= rank; q++)
                y[i] += second.U(q, i) * c[q];
        backsubstitute(second, rank, y.data(), z.data());
        for (int j = 1; j <= n; j++)
            for (int i = 1; i <= rank; i++)
                x[j] += first.R(i, j) * z[i];
        return x.data();
    } catch (const std::bad_alloc&) {
        failed = true;
        return nullptr;
    }
}

double QRsolver::smallestcolumn() const
{
    return columnratio(rank);
}

double QRsolver::columnratio(int i) const
{
    if (i < 1 || i >= static_cast<int>(ratios.size()))
        return 0.0;
    return ratios[i];
}
