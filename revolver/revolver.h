// The revolver: the ring of calculators that the arrow keys turn, a spare
// that keeps the last deleted calculator, the user-defined differential
// operator, the calculators' own variable store and the transfer formula
// of "fp"/"fd".  Its state lives in "vemo.rev" in the work directory: read
// at construction, written at destruction.
#pragma once

#include "base/rects.h"
#include "calculator/calcowner.h"
#include "formula/formulaholder.h"
#include "formula/varman.h"
#include "math/drect.h"
#include "revolver/cmdreader.h"

#include <cstdint>
#include <string>
#include <vector>

class calculator;
class fu1;
struct rksetup;

class revolver : public cmdreader, public calcowner {
public:
    // n calculators; the state file is read unless it is empty.
    explicit revolver(int n, const std::string& statefile = "vemo.rev");
    ~revolver() override;
    revolver(const revolver&) = delete;
    revolver& operator=(const revolver&) = delete;

    calculator* currentcalc() const;
    void next();
    void prev();
    // Moves the calculator at from to to; those between shift one place
    // towards from.
    void movethem(int from, int to);
    // An empty calculator brought to the current index, or null.
    calculator* findempty();
    // A calling calculator for the object in an empty slot; true when one
    // was made (the redraw of the area, when given, is extra).
    bool createcalc(fu1* object, const rect* area);
    bool calctitle(bool force) override;

    // The state file: the number of calculators read, -1 when the file
    // is missing, cannot be read or is of another format (the ring then
    // stays empty).  What is not taken whole is told once and the file
    // kept as its .bad before any write.
    int readrevolver(const std::string& name);
    // Through an atomic save, the old file kept as the .bak; false (told)
    // when it failed, the old file then stands.
    bool writerevolver(const std::string& name);

    // Until the user quits.
    void mainloop();

    calculator** calculators = nullptr;   // the ring, owned
    calculator* spare = nullptr;          // owned
    int16_t ncalcs = 0;                   // calculators in the ring
    int16_t index = 1;
    bool failed = false;
    formulaholder operatorholder;         // "f9"
    varman own;
    bool redrawtitle = false;
    rksetup* transfer = nullptr;          // owned
    bool quitting = false;
    std::string statefile;
    // Damaged blocks of the last read; its file was kept as the .bad, and
    // the notice is told once when the screen stands.
    int readfaults = 0;
    std::string readnotice;
    // False when the state file could not be read, or not kept as the
    // .bad: it is not written over at the end.
    bool writeback = true;

private:
    bool readblock(const std::vector<std::string>& lines, size_t from, size_t to, int& count, std::string& nottaken);
};

// The program's revolver while the main loop runs.
extern revolver* rev1;

// The name of a state file's keepers: up to the first dot (at most eight
// characters), then ".bak" or ".bad".
std::string keepername(const std::string& name, const char* extension);
