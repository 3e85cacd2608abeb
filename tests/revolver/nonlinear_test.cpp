// "Mi", "Ma", "n0" and "nn" from the revolver: the windows, their views,
// options and reports against golden screens (tests/revolver/golden/nl;
// VEMO_UPDATE_GOLDEN=1 writes them from the run).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "tests/revolver/vemorun.h"

namespace {

const std::string goldendir = std::string(VEMO_SOURCE_DIR) + "/tests/revolver/golden/nl/";

void checkgolden(const vemorun& v, const std::vector<std::string>& dumps)
{
    const char* update = std::getenv("VEMO_UPDATE_GOLDEN");
    for (const std::string& name : dumps) {
        std::string got = v.screen(name);
        ASSERT_FALSE(got.empty()) << name;
        if (update && *update == '1') {
            std::filesystem::create_directories(goldendir);
            std::ofstream(goldendir + name + ".txt", std::ios::binary) << got;
        }
        std::ifstream in(goldendir + name + ".txt", std::ios::binary);
        std::string want((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(got, want) << name << ":\n" << got;
    }
}

// A formula in x and y, implemented.
std::string formula(const std::string& text)
{
    return "e" + text + "<Enter>xxy<Enter><Enter>";
}

TEST(nonlinear, MinimizerStepsViewsOptionsReportAndAdopts)
{
    vemorun v;
    std::string script = formula("(x-1)^2+2*(y+3)^2+(x-1)^4") +
                         "Mi<dump mi-main>1<dump mi-step>vs<dump mi-viewstep><Esc>vh<dump mi-hessian><Esc>"
                         "o<dump mi-options><Esc><Enter><dump mi-report><Enter><dump mi-adopted><A-x>y";
    ASSERT_EQ(v.run(script), 0) << v.read("stderr.txt");
    checkgolden(v, {"mi-main", "mi-step", "mi-viewstep", "mi-hessian", "mi-options", "mi-report", "mi-adopted"});
}

TEST(nonlinear, MaximizerBlockOfStepsAndQuit)
{
    vemorun v;
    std::string script = formula("-(x-1)^2-(y-2)^2") + "Ma<F1><dump ma-help><Esc>n3<Enter><dump ma-block>"
                                                         "<Esc><dump ma-quit><A-x>y";
    ASSERT_EQ(v.run(script), 0) << v.read("stderr.txt");
    checkgolden(v, {"ma-help", "ma-block", "ma-quit"});
}

TEST(nonlinear, SolverViewsOptionsReportAndAdopts)
{
    vemorun v;
    std::string script = formula("x^2+y^2-4,x-y") +
                         "n0<dump n0-main>1<dump n0-step>vj<dump n0-jacobi><Esc>vx<dump n0-positions><Esc>"
                         "o<dump n0-options><Esc><Enter><dump n0-report><Enter><dump n0-adopted><A-x>y";
    ASSERT_EQ(v.run(script), 0) << v.read("stderr.txt");
    checkgolden(v, {"n0-main", "n0-step", "n0-jacobi", "n0-positions", "n0-options", "n0-report", "n0-adopted"});
}

TEST(nonlinear, SolverWithTargetsFromTheEditor)
{
    vemorun v;
    std::string script = formula("x+y,x-y") +
                         "nn<Esc><F1><dump nn-help><Esc>e<Backspace>5<Enter><Down>e<Backspace>1<Enter><dump nn-targets><Enter>"
                         "<Enter><dump nn-report><Enter><dump nn-adopted><A-x>y";
    ASSERT_EQ(v.run(script), 0) << v.read("stderr.txt");
    checkgolden(v, {"nn-help", "nn-targets", "nn-report", "nn-adopted"});
}

}  // namespace
