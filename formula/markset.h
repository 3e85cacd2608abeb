// The mark table of one compilation: declared storage classes, assigned and
// referenced flags, auto and argument order, called components.  Letter
// index: 'A'..'Z' are 0..25, 'a'..'z' are 26..51.
#pragma once

#include <cstdint>

class reflist;

class markset {
public:
    markset();
    // A copy (and a table assigned from another) works on the source's
    // called-component list without owning it; it must be destroyed before
    // the source.
    markset(const markset& source);
    markset& operator=(const markset& source);
    ~markset();

    void reset();
    int classof(char letter) const;     // negative for a non-letter
    int varcontrol(char letter) const;  // the assigned flag
    // Takes the class when the letter is undeclared; the class after the
    // call (another one means a conflicting declaration); 0 for a class
    // other than 'a', 'c', 's', 'g', 'x' or a non-letter.
    char declare(char letter, char cls);
    int autoindex(char letter) const;   // -1 when absent
    int argindex(char letter) const;    // -1 when absent
    void markassigned(char letter);     // declared letters only
    void markreferenced(char letter);
    int countclass(char cls) const;
    void declarearguments(const char* list, bool withindependent, char independent);
    void cleararguments();
    int conflictingarguments(const char* list) const;
    void merge(const markset& other, bool takeclasses);

    // Warnings: the first such letter in index order, 0 when none.
    char unreferencedargument() const;  // argument never referenced
    char unusedvariable() const;        // 'a' 'g' 'c' 's' never used
    char unreadvariable() const;        // 'a' 'c' 's' assigned, never read
    char unassignedstatic() const;      // 's' read, never assigned

    static const char* classname(char cls);

    char classes[53];
    uint8_t assigned[53];
    uint8_t referenced[53];
    char autos[54];                     // auto slot of a letter: place + 1
    char args[54];
    reflist* components = nullptr;
    bool owns = false;
    uint8_t failed = 0;

private:
    void copyfields(const markset& source);
    template <class test>
    char firstletter(test matches) const;
};
