// What the fuzz targets of the file readers share: a scratch work
// directory for each process (on a memory file system where there is one,
// as every save syncs), removed at the exit, with the shared state's
// context opened on it, and reports answered with Esc at once.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/report.h"
#include "formula/parser.h"
#include "objects/librarylist.h"

// The work directory, made at the first call.
inline const std::string& fuzzwork()
{
    struct escsink : reportsink {
        int report(reportkind, const std::string&, const char*, int) override { return 27; }
    };
    static escsink sink;
    static std::string dir;
    static parser* anchor = [] {
        char pattern[] = "/dev/shm/fuzzworkXXXXXX", fallback[] = "/tmp/fuzzworkXXXXXX";
        const char* made = mkdtemp(pattern);
        dir = made ? made : mkdtemp(fallback);
        std::atexit([] { std::filesystem::remove_all(dir); });
        setworkdirectory(dir);
        setreportsink(&sink);
        return new parser;  // the shared state, the context on an empty directory
    }();
    (void)anchor;
    return dir;
}

// A file of the work directory.
inline std::string fuzzfile(const char* name)
{
    return fuzzwork() + "/" + name;
}
