// VEMO's program entry.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--version")) {
            std::puts("VEMO 0.1");
            return 0;
        }
    }
    std::fputs("VEMO: the window front is not built yet.\n", stderr);
    return 2;
}
