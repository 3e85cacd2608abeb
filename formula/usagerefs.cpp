#include "formula/usagerefs.h"

#include <algorithm>

bool varreflist::addref(char letter, bool referenced, bool defined, char varclass, fu* object)
{
    bool anyglobal = !referenced && !defined && varclass == 'g';
    for (size_t i = 0; i < used; ++i) {
        varref& r = records[i];
        bool same = r.letter == letter && r.varclass == varclass
                    && (r.object == object || anyglobal);
        if (same) {
            r.referenced = r.referenced || referenced;
            r.defined = r.defined || defined;
            return true;
        }
    }
    if (used == records.size())
        records.emplace_back();
    records[used++] = varref{letter, referenced, defined, varclass, object};
    return true;
}

varreflist& usagerefs()
{
    static varreflist list;
    return list;
}

namespace {
// Letters in the order a, A, b, B, ... z, Z.
int letterrank(char c)
{
    if (c >= 'a' && c <= 'z')
        return 2 * (c - 'a');
    if (c >= 'A' && c <= 'Z')
        return 2 * (c - 'A') + 1;
    return 200 + (unsigned char)c;
}

int classrank(char c)
{
    return c == 'c' ? -1000 : -(unsigned char)c;
}
}

std::vector<varref> sortedrefs(const varreflist& list)
{
    std::vector<varref> sorted;
    for (int i = 0; i < list.count(); ++i)
        sorted.push_back(list.at(i));
    std::stable_sort(sorted.begin(), sorted.end(), [](const varref& a, const varref& b) {
        if (letterrank(a.letter) != letterrank(b.letter))
            return letterrank(a.letter) < letterrank(b.letter);
        return classrank(a.varclass) < classrank(b.varclass);
    });
    return sorted;
}
