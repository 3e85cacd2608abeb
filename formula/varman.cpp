#include "formula/varman.h"

#include <istream>
#include <ostream>
#include <string>

#include "base/objcount.h"
#include "formula/letters.h"
#include "formula/markset.h"
#include "formula/recordio.h"
#include "math/cnumber.h"

varman::varman() : records{}
{
    objcount(257);
}

varman::varman(const varman& other) : listnode(other)
{
    objcount(257);
    copyvalues(other);
}

varman::~varman()
{
    objcount(-257);
}

namespace {
char letterof(int i)
{
    return char(i < 26 ? 'a' + i : 'A' + i - 26);
}

// NaN equals NaN here: a store and its copy are equal.
bool samevalue(double x, double y)
{
    return x == y || (x != x && y != y);
}
}

int varman::letternumber(char letter)
{
    return islowerletter(letter) ? letter - 'a' : isupperletter(letter) ? letter - 'A' + 26 : -1;
}

varrecord* varman::record(char letter)
{
    int i = letternumber(letter);
    return i < 0 ? nullptr : &records[i];
}

double varman::value(char letter) const
{
    int i = letternumber(letter);
    return i < 0 ? 0.0 : records[i].value;
}

void varman::setvalue(char letter, double value)
{
    if (varrecord* r = record(letter))
        *r = {value, classglobal};
}

char varman::classof(char letter) const
{
    int i = letternumber(letter);
    return i < 0 ? classnone : records[i].cls;
}

void varman::clearclass(char letter)
{
    if (varrecord* r = record(letter))
        r->cls = classnone;
}

int varman::declarestatics(const markset& marks)
{
    int n = 0;
    for (int i = 0; i < 52; i++) {
        int cls = marks.classof(letterof(i));
        bool local = cls == classstatic || cls == classconst;
        records[i].cls = local ? char(cls) : classnone;
        n += local;
    }
    return n;
}

bool varman::equals(const varman& other) const
{
    for (int i = 0; i < 52; i++)
        if (!samevalue(records[i].value, other.records[i].value) || records[i].cls != other.records[i].cls)
            return false;
    return true;
}

void varman::copyvalues(const varman& other)
{
    for (int i = 0; i < 52; i++)
        records[i] = other.records[i];
}

void varman::save(std::ostream& out) const
{
    out << tag << '\n';
    for (int i = 0; i < 52; i++) {
        if (records[i].cls != classstatic && records[i].cls != classconst)
            continue;
        char number[40];
        printnumber(number, sizeof number, records[i].value, 16);
        out << letterof(i) << "= " << number << '\n';
    }
    out << "@@END " << tag + 2 << '\n';
}

bool varman::learn(std::istream& in)
{
    std::string word;
    while (readword(in, word)) {
        if (word.compare(0, 5, "@@END") == 0) {
            skipline(in);
            return true;
        }
        varrecord* r = word.size() >= 2 && word[1] == '=' ? record(word[0]) : nullptr;
        if (!r) {
            libreaderror(word.c_str(), "varman::learn()");
            return false;
        }
        std::string number;
        const char* end = nullptr;
        double value = 0.0;
        if (!readword(in, number) || !scannumber(number.c_str(), value, &end) || *end) {
            libreaderror(number.c_str(), "varman::learn()");
            return false;
        }
        *r = {value, classstatic};
    }
    return false;
}
