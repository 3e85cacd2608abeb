// The user object "Infinite Sum": a function of its arguments whose value
// is the limit of a series over an index, summed by the summation engine
// under the object's settings, directly or accelerated.
#pragma once

#include <cstdint>
#include <string>

#include "math/seriesterm.h"
#include "objects/compositefu.h"

class seraccel;
class markset;
class slotcomp;
class sumrecord;

class fuinfinite : public compositefu, public seriesterm {
public:
    fuinfinite();
    fuinfinite(const fuinfinite& source);
    ~fuinfinite() override;

    int countvalues() override;
    // The summand at index x with the arguments of the evaluation under way.
    double calcx(double x) override;
    bool implement(uint8_t force, uint16_t level) override;
    bool recordfingerprint() override;
    bool listcode() override;
    // The summation index takes the last letter.
    int maxargs() const override { return limits::arglistlength - 1; }
    fu1* clone() const override;
    double tcalc(double* args) override;
    double* mcalc(double* args) override;
    void edittitle() override;
    bool edititems(attrlines& lines) override;
    bool beginedit() override;
    bool restoreedit(uint8_t withparser) override;
    bool commitedit() override;
    const char* shortname() const override { return "Infin. sum"; }
    bool makeslots() override;
    const char* longname() const override { return " Infinite Sum "; }
    bool complete() override;

    int typenumber() const override { return typeids::fuinfinite; }
    const char* tag() const override { return "@@FUINFINITE"; }
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;
    int show() override;
    int edit() override;

    // The kind's own items in the function editor: the components by their
    // keys, '4' summation type, '5' acceleration, '6' convergence criteria,
    // 'X' index letter.  True when something changed.
    bool editcommand(int code);

    // First index and step as constants from the settings; rotation and
    // phase as the chosen argument's letter or a constant.
    bool buildslots();

    // Gives a summand its label and help line.
    static void labelsummand(slotcomp* c);
    bool accelerating() const;
    // Whether the summation type uses the component.
    bool used(int which) const;
    static const int order[];
    bool hasfactor() const;
    // "Summation ..." and "Acceleration: on/off" of the view and the editor.
    std::string typeline() const;
    std::string accelline() const;
    // Makes or drops the accelerator as the settings ask; false when it
    // cannot be made.
    bool fitaccelerator();

    enum { summand, firstindex, stepsize, rotation, phaseangle, slots };
    slotcomp* slot[slots] = {};
    sumrecord* settings = nullptr;  // owned
    seraccel* accel = nullptr;      // owned; present while the settings accelerate
    double* argvector = nullptr;    // the arguments of the evaluation under way
    uint8_t rotarg = 0;             // 1-based argument chosen for rot, 0 none
    uint8_t phasearg = 0;
    char sumvar = 0;                // the letter of the summation index

private:
    bool compileall(markset& marks, int mode);
    bool evaluatesettings(double* args);
    void reportrun(int code);
    void labelslots();
    bool choosetype();
    bool chooseindex();

    double mvalues[2] = {};
    // The version before an edit.
    slotcomp* kept[slots] = {};
    sumrecord* keptsettings = nullptr;
    char keptsumvar = 0;
};

// Label, help line, editor key and record key of each component.
struct sumslotinfo {
    const char* label;
    const char* help;
    char key;
    const char* recordkey;
};
extern const sumslotinfo sumslots[fuinfinite::slots];

// The summation settings: the lead-in count when accelerating, else the
// convergence count; false when nothing was stored.
bool convcriteria(sumrecord& settings);
void seraccelfree(seraccel* a);
// "<label>: " and the formula of a component, as the view page shows it.
std::string slottext(const slotcomp* c);
