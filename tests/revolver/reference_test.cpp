// The built-in functions of the Master Reference List (F1) against the
// language: every name it shows is a function of the table, written with
// "##" exactly when it gives several values, and compiles; every function
// of the table is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "formula/compile.h"
#include "formula/functable.h"
#include "formula/parser.h"
#include "revolver/reference.h"

namespace {

struct shown {
    std::string name;
    bool hashes;   // written name##
    bool called;   // followed by "(" or "##"
};

// The names of the section " BUILT-IN FUNCTIONS" to the end, in order.
std::vector<shown> functionsection()
{
    const std::vector<std::string>& lines = referencelines();
    auto first = std::find(lines.begin(), lines.end(), " BUILT-IN FUNCTIONS");
    EXPECT_NE(first, lines.end());
    std::vector<shown> names;
    for (auto line = first; line != lines.end(); ++line) {
        const std::string& s = *line;
        for (size_t i = 0; i < s.size();) {
            if (!std::isalpha((unsigned char)s[i]) && s[i] != '_') {
                ++i;
                continue;
            }
            size_t end = i;
            while (end < s.size() && (std::isalnum((unsigned char)s[end]) || s[end] == '_'))
                ++end;
            bool hashes = s.compare(end, 2, "##") == 0;
            bool called = hashes || (end < s.size() && s[end] == '(');
            bool word = i == 0 || !std::isalnum((unsigned char)s[i - 1]);
            if (word)
                names.push_back({s.substr(i, end - i), hashes, called});
            i = end;
        }
    }
    return names;
}

// Whether name compiles with some number of arguments (none for a
// constant).
bool compiles(const shown& f)
{
    parser p;
    if (!f.called)
        return p.compile(f.name.c_str(), "x", compilemode::quiet) != 0;
    std::string args = "1";
    for (int n = 1; n <= 20; ++n, args += ",1") {
        std::string call = f.name + (f.hashes ? "##(" : "(") + args + ")";
        if (p.compile(call.c_str(), "x", compilemode::quiet) != 0)
            return true;
    }
    return false;
}

}  // namespace

TEST(reference, BuiltInFunctionsAreTheLanguagesOwn)
{
    std::set<std::string> listed;
    for (const shown& f : functionsection()) {
        const funcrow* row = findfunction(f.name.c_str());
        if (!row) {
            EXPECT_FALSE(f.called) << f.name << " is called but is no built-in function";
            continue;
        }
        listed.insert(f.name);
        if (!f.called) {
            if (row->argc == 0) {   // a constant; other names stand in the text
                EXPECT_TRUE(compiles(f)) << f.name;
            }
            continue;
        }
        EXPECT_EQ(f.hashes, takeshashes(*row)) << f.name;
        EXPECT_TRUE(compiles(f)) << f.name;
    }
    // "arc" belongs to clipper formulae, "_sqrpart_" to the compiler.
    for (const funcrow* row = functable; row->token != endtoken; ++row) {
        std::string name = row->name;
        if (name != "arc" && name != "_sqrpart_") {
            EXPECT_TRUE(listed.count(name)) << name << " is not in the reference";
        }
    }
}
