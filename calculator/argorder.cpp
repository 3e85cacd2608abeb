#include "calculator/argorder.h"

#include <cctype>

int argorder(char a, char b)
{
    int la = std::tolower(static_cast<unsigned char>(a)), lb = std::tolower(static_cast<unsigned char>(b));
    if (la != lb)
        return la < lb ? -1 : 1;
    if (a == b)
        return 0;
    return std::islower(static_cast<unsigned char>(a)) ? -1 : 1;
}

void sortargs(char* letters)
{
    if (!letters || !*letters)
        return;
    for (int i = 1; letters[i]; ++i) {
        char c = letters[i];
        int j = i;
        for (; j > 0 && argorder(letters[j - 1], c) > 0; --j)
            letters[j] = letters[j - 1];
        letters[j] = c;
    }
}
