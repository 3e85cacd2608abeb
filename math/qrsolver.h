// Least-squares solution of A x = b (m equations, n unknowns) with rank
// control: modified Gram-Schmidt with column pivoting (largest remaining
// column first) stops at a relatively too small pivot column or at a
// maximum rank, and the minimum-norm solution of the truncated problem is
// returned.  Matrices are 1-based and row-major: entry (i, j) at
// (i - 1) * n + j; vectors 1-based.
#pragma once

#include <vector>

class QRsolver {
public:
    QRsolver() = default;

    // Copies A (m*n entries) and b (m entries) and solves with the
    // threshold krit and the maximum rank (0: none).  The solution x[1..n],
    // or null: storage failed (failed set), the input is not finite (rank
    // 0), or the second stage lost rank (reported).
    const double* qrsetup(const double* a, const double* b, int m, int n, double krit,
                          int maxrank);
    const double* solve(double krit);

    // The relative squared norm of the last accepted pivot; 0.0 without one.
    double smallestcolumn() const;
    // The relative squared norm of step i's pivot (1..min(m, n)); the step
    // after the last accepted one holds the rejected candidate.
    double columnratio(int i) const;

    int m = 0, n = 0;
    int maxrank = 0;
    int rank = 0;
    bool failed = false;
    double reorthogonalize = 1e-4;

private:
    struct stage {
        int rows = 0, cols = 0, k = 0;
        std::vector<double> u;   // rows x k, column r at step r
        std::vector<double> r;   // k x cols
        std::vector<int> used;   // step at which a column became pivot
        std::vector<int> perm;   // column chosen at each step
        double& U(int i, int q) { return u[(i - 1) * k + q]; }
        double& R(int q, int j) { return r[(q - 1) * cols + j]; }
    };
    int decompose(stage& st, std::vector<double>& a, int rows, int cols, double krit, int limit,
                  bool record);
    static void backsubstitute(stage& st, int rank, const double* y, double* z);

    std::vector<double> a, b, x, c, g, y, z, norms, ratios;
    stage first, second;
};
