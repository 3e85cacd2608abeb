// The Runge-Kutta function: a user object whose values are the solution of
// a system of ordinary differential equations.  Called with its arguments,
// it integrates from its initial values to the argument that is the
// independent variable (the others are parameters of the equation) and
// returns the solution's values, or the derivatives of one order, there.
// The initial values are constants of its value table or computed at each
// call by a formula of the arguments.  The value table also keeps the
// points reached, so that later calls start from the nearest one.
#pragma once

#include <cstdint>
#include <memory>

#include "objects/compositefu.h"

class RK;
class calculator;
class slotcomp;
class valtable;

class furk : public compositefu {
public:
    furk();
    furk(const furk& source);
    ~furk() override;

    int countvalues() override;
    bool implement(uint8_t force, uint16_t level) override;
    bool recordfingerprint() override;
    bool listcode() override;
    fu1* clone() const override;
    double tcalc(double* args) override;
    double* mcalc(double* args) override;
    void edittitle() override;
    bool edititems(attrlines& lines) override;
    bool beginedit() override;
    bool restoreedit(uint8_t withparser) override;
    bool commitedit() override;
    const char* shortname() const override { return "RK Function"; }
    bool makeslots() override;
    const char* longname() const override { return "Runge Kutta Function"; }
    bool complete() override;

    int typenumber() const override { return typeids::furk; }
    const char* tag() const override { return "@@FURK"; }
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;
    int show() override;
    int edit() override;
    char specialargument() const override;

    // The state vector at the argument that is the independent variable;
    // null (error byte set) when it cannot be had.
    double* solve(double* args);
    // Where the returned values start in the state vector.
    int valueoffset() const;
    // Makes the solver owned by this object, with table as its table and
    // the own store lent; the labels of the initial-values formula.
    void adopt(RK* rk, std::shared_ptr<valtable> values);
    static void labelinitial(slotcomp* c);

    slotcomp* initial = nullptr;    // owned; the initial-values formula
    std::shared_ptr<valtable> table;  // start point and points reached, shared with the solver
    RK* solver = nullptr;           // owned
    uint8_t runtime = 0;            // 1: initial values by the formula
    uint16_t returnorder = 0;       // derivative level; the order: all levels
    uint16_t independentindex = 0;  // place of the independent variable among the arguments

private:
    bool editcommand(int code);
    void dropkept();
    slotcomp* keptinitial = nullptr;
    RK* keptsolver = nullptr;
    std::shared_ptr<valtable> kepttable;
    uint8_t keptruntime = 0;
    uint16_t keptreturnorder = 0;
};

// A Runge-Kutta function made from a calculator in a Runge-Kutta mode,
// named by the user and entered into the local context; null when the
// calculator has no system or the user cancels.
fu1* installrkfunction(calculator& source);

// Gives the objects the Runge-Kutta function kind (objects/hooks.h).
void installfurk();
