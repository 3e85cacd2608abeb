// Eigenvalues and eigenvectors of a real symmetric matrix by the classical
// Jacobi method, handed out in ascending order of the eigenvalues.
#pragma once

#include <vector>

class symeigen {
public:
    explicit symeigen(int n);
    ~symeigen();

    // Copies the n*n values (row after row), symmetrises them and
    // decomposes; false when the input is not finite or the rotations do
    // not converge.
    bool compute(const double* matrix, int n);
    bool load(const double* matrix, int n);
    bool decompose();

    // The i-th smallest eigenvalue, i = 1..n; 0.0 outside.
    double value(int i) const;
    // Its eigenvector (n values, overwritten by the next call); null outside.
    const double* vector(int i);

    bool failed = false;
    int rotations = 0;

private:
    double& a(int i, int j) { return amat[(i - 1) * n + j]; }
    double& v(int i, int j) { return vmat[(i - 1) * n + j]; }
    void resize(int size);
    void symmetrize();
    bool jacobi();
    void rotate(int p, int q);
    void sort();

    int n = 0;
    std::vector<double> amat, vmat, buffer;
    std::vector<int> order;
};
