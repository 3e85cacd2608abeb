// The n-formula object: an if ... else if ... cascade of branches, each a
// single-valued condition and an action, with an optional default action
// last.  The conditions are tested in order; the first that is not 0
// selects its action, whose values are the object's.  Component p
// (1-based) is a condition when p is odd and not last, an action when p
// is even, the default action when p is odd and last.
#pragma once

#include <cstdint>
#include <vector>

#include "objects/compositefu.h"

class slotcomp;
struct clipboard;

class fumultibranch : public compositefu {
public:
    fumultibranch();
    fumultibranch(const fumultibranch& source);
    ~fumultibranch() override;

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
    const char* shortname() const override { return "n-formula"; }
    bool makeslots() override;
    const char* longname() const override { return "n-Formula Object"; }
    bool complete() override;

    int typenumber() const override { return typeids::fumultibranch; }
    const char* tag() const override { return "@@FUMULTIBRANCH"; }
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;
    int show() override;
    int edit() override;

    int slotcount() const { return int(components.size()); }
    // The component at the 1-based position p; null past the end.
    slotcomp* slotat(int p) const;
    // Labels every pair with its branch number, a lone last component as
    // the default action.
    void relabel();

    static void setconditionlabels(slotcomp* c, int branch);
    static void setactionlabels(slotcomp* c, int branch);
    static void setdefaultlabels(slotcomp* c);

    // The branch editor's steps (branchedit.cpp).  insert makes and asks
    // the components to insert at position p (0, 1 or 2 made, left in
    // insertfirst and insertsecond); deletequestion answers 0 nothing,
    // 1 delete the default action, 2 delete components p and p + 1.
    int insert(int p, clipboard& conditions, clipboard& actions);
    int deletequestion(int p);
    bool overwritequestion(const slotcomp* c);
    static void inserthelp();
    static void deletehelp();
    static void clipboardhelp();

    std::vector<slotcomp*> components;   // owned
    slotcomp* insertfirst = nullptr;
    slotcomp* insertsecond = nullptr;
    int32_t branchindex = 0;

private:
    // The command of the branch editor for one key; true when the lines
    // must be built again.
    bool branchcommand(int code, clipboard& conditions, clipboard& actions);
    bool insertat(int p, clipboard& conditions, clipboard& actions);
    bool deleteat(int p);
    // Whether position p is a condition.
    bool iscondition(int p) const;
    void clearslots();
    bool copyslots(const std::vector<slotcomp*>& from);

    std::vector<slotcomp*> kept;
};
