// A work directory of small libraries for the database tests: own objects,
// foreign copies, names that differ only in case, over-long names.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "base/report.h"
#include "formula/parser.h"
#include "objects/context.h"

namespace dabafiles {

inline std::string formularecord(const char* name, int args, const char* letters, const char* formula,
                       const char* comment = nullptr, const char* origin = nullptr, int values = 1)
{
    std::ostringstream s;
    s << "@@FU1\n" << name << "\n" << args << "\n" << values << "\n";
    if (origin)
        s << "@HERKUNFT\n" << origin << "\n";
    if (comment)
        s << "@@COMMENT\n" << comment << "\n@@END COMMENT\n";
    s << "@DATA\n@ARGS\n" << letters << "\n@FORMULA\n" << formula << "\n@@END FU1\n";
    return s.str();
}

inline std::string constant(const char* name, const char* value, const char* comment = nullptr)
{
    std::ostringstream s;
    s << "@@FUCONST\n" << name << "\n0\n1\n";
    if (comment)
        s << "@@COMMENT\n" << comment << "\n@@END COMMENT\n";
    s << "@DATA\n" << value << "\n@@END FUCONST\n";
    return s.str();
}

// DESKTOP.LIB holds a foreign copy of ALPHA.LIB's ga; gamma.lib a name too
// long to be listed; "alpha.lib" differs
// from ALPHA.LIB only in case and the long names are not listed.
inline const std::string desktop = formularecord("fa", 1, "x", "x*x") + formularecord("ga", 1, "x", "x+1", nullptr, "ALPHA.LIB");
inline const std::string alpha = formularecord("ga", 1, "x", "x+1", "adds one") + formularecord("ga", 2, "xy", "x+y")
    + constant("Cspeed", "299792458", "speed of light") + constant("e2", "7.38905609893065");
inline const std::string beta = formularecord("ka", 1, "x", "ga(x)+ga(x,x)") + formularecord("ma", 0, "", "ga+fa(2)")
    + formularecord("na", 0, "", "ga#2", nullptr, nullptr, 2) + formularecord("Ga", 0, "", "sort##(3,1,2)*Cspeed", nullptr, nullptr, 3);
inline const std::string gamma = formularecord("thisnameislongerthanthirtycharacters", 0, "", "1");

}  // namespace dabafiles

class dabadirectory : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        dir = fs::temp_directory_path() / ("vemo-daba-" + std::to_string(getpid()) + "-"
                                           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        write("DESKTOP.LIB", dabafiles::desktop);
        write("ALPHA.LIB", dabafiles::alpha);
        write("alpha.lib", dabafiles::beta);
        write("beta.lib", dabafiles::beta);
        write("gamma.lib", dabafiles::gamma);
        write("averyverylongname.lib", dabafiles::beta);
        setworkdirectory(dir.string());
        clearrecordedreports();
        context = new parser;
    }
    void TearDown() override
    {
        delete context;
        setworkdirectory(".");
        std::filesystem::remove_all(dir);
    }
    void write(const char* name, const std::string& text)
    {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    std::string read(const char* name)
    {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path dir;
    parser* context = nullptr;
};
