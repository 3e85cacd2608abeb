// What the composite kinds with a fixed set of components share: the
// components in one array with their labels and keys, completeness,
// copying, the edit transaction on copies, the record's frame, the
// component editor and code menu, and the letter (integration parameter
// or summation index) that some kinds add behind the arguments.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "objects/compositefu.h"

class markset;
class slotcomp;

// A component's label and description, its function-editor key, its code
// menu key and its record key.
struct slotinfo {
    const char* label;
    const char* description;
    char editkey;
    char codekey;
    const char* recordkey;
};

// The letter a kind adds behind the arguments, and its texts.
struct letterinfo {
    const char* recordkey;    // "@INTEGVAR", "@SUMVAR"
    const char* what;         // "integration parameter", "summation index"
    const char* question;     // asked when the letter is chosen
    const char* caption;      // " Integration parameter (currently: \""
    const char* editline;     // "Integration parameter: %c \n\n\r"
    const char* viewline;     // "Integration parameter: \"%c\"\n\n\r"
    const char* collision;    // the diagnosis when it is an argument
    int collisioncode;
    int misusecode;           // another component uses the letter
    int unmentionedcode;      // the warning: its component does not use it
    const char* newargs;      // the warning after a new argument list
};

class compositeslots : public compositefu {
public:
    static constexpr int maxslots = 6;

    // The kind's components (write order) and its letter (null for none);
    // main is the component listed first in the editor.
    compositeslots(int n, const slotinfo* info, const letterinfo* letter, int main, const char* fingerprintorder,
                   const char* codeorder);
    // The components copied (failed set, none kept, when one cannot be).
    compositeslots(const compositeslots& source);
    ~compositeslots() override;

    int countvalues() override;
    bool recordfingerprint() override;
    bool listcode() override;
    int maxargs() const override { return letter ? limits::arglistlength - 1 : limits::arglistlength; }
    bool edititems(attrlines& lines) override;
    bool beginedit() override;
    bool restoreedit(uint8_t withparser) override;
    bool commitedit() override;
    bool complete() override;
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;
    int edit() override;

    // The kind's items in the function editor: a component's key edits it,
    // 'X' changes the letter; true when something changed.
    bool editcommand(int code);
    // Makes the components, labels them and asks for them in the order
    // given (slot numbers; -1 stands for the letter).  False on Esc.
    bool askslots(const std::vector<int>& order);
    // Asks for the letter; 0 on Esc (the letter unchanged).
    char askletter();
    // The letter in the editor's framed box; the new letter or 0.
    char changeletter();
    // With the diagnosis when the letter is one of the arguments.
    bool lettercollides();

    slotcomp* slot[maxslots] = {};
    char param = 0;    // the letter behind the arguments
    // The component that older records name "@FORMULA" (main unless the
    // kind says otherwise) was read under that key and is written so.
    bool formulakey = false;

protected:
    // The start of an implementation; false when there is nothing to do
    // (result true, already implemented) or it cannot go on (false).
    bool beginimplement(uint8_t force, bool& result);
    // Compiles a component against marks; false with the diagnosis when
    // it fails or returns other than one value (single set).
    bool compileslot(int which, int force, markset& marks, bool single = true);
    // Compiles a component with the letter as one more argument;
    // mentioned tells whether it uses the letter (a warning when not).
    bool compilewithletter(int which, int force, markset& marks, bool& mentioned);
    // The usage warnings, the stamp, and the own store dropped when the
    // marks declare no static variable.
    void endimplement(markset& marks, bool warn = true);
    // The view page: its heading lines, then lines, then the comment.
    int showslots(std::vector<std::string> lines);
    std::string letterline(const char* format) const;
    // Whether c is one of the argument letters.
    bool isargument(char c) const;
    // The arguments into own, whose place behind them takes the letter:
    // the caller's array may end at its last argument.
    void copyargs(double* own, const double* args) const;
    // The line after "@ARGS"; false when the record cannot be read on.
    // More letters than the kind takes cannot be written back.
    virtual bool learnargline(std::istream& in);
    void labelslots();

    int nslots;
    const slotinfo* info;
    const letterinfo* letter;
    int mainslot;
    int formulaslot;          // read and written under "@FORMULA"
    const char* fporder;      // slot numbers as digits
    const char* codeorder;

private:
    slotcomp* kept[maxslots] = {};
    char keptparam = 0;
};

// A new component read from the next line of a record; null (reported
// as a read error of where) without memory.
slotcomp* readslotcomponent(std::istream& in, const char* where);
