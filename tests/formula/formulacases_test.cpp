// Runs the case table through the evalformula driver and compares the
// listed fields of each output line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct formulacase {
    int line;
    std::string input;
    std::map<std::string, std::string> expected;
};

std::map<std::string, std::string> fields(const std::string& text)
{
    std::map<std::string, std::string> result;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        size_t eq = word.find('=');
        result[word.substr(0, eq)] = eq == std::string::npos ? "" : word.substr(eq + 1);
    }
    return result;
}

std::vector<formulacase> readcases(const std::string& path)
{
    std::vector<formulacase> cases;
    std::ifstream in(path);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        size_t arrow = line.find(" => ");
        if (line.empty() || line[0] == '#' || arrow == std::string::npos)
            continue;
        cases.push_back({n, line.substr(0, arrow), fields(line.substr(arrow + 4))});
    }
    return cases;
}

// Runs the driver over the inputs; one output line each.
std::vector<std::string> rundriver(const std::vector<std::string>& inputs, int& status)
{
    std::string infile = std::string(::testing::TempDir()) + "formulacases_"
                         + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".in";
    std::ofstream(infile) << [&] {
        std::string all;
        for (const std::string& s : inputs)
            all += s + "\n";
        return all;
    }();
    std::string command = std::string(VEMO_BIN_DIR) + "/evalformula < " + infile;
    FILE* pipe = popen(command.c_str(), "r");
    std::vector<std::string> lines;
    char buffer[1 << 16];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) {
        std::string s = buffer;
        if (!s.empty() && s.back() == '\n')
            s.pop_back();
        lines.push_back(s);
    }
    status = pipe ? pclose(pipe) : -1;
    return lines;
}

bool closeenough(double a, double b)
{
    return a == b || std::fabs(a - b) <= 4e-16 * std::fmax(std::fabs(a), std::fabs(b));
}

// Comma-separated results agree value by value.
bool sameresults(const std::string& got, const std::string& want)
{
    std::istringstream g(got), w(want);
    std::string a, b;
    while (std::getline(w, b, ',')) {
        if (!std::getline(g, a, ','))
            return false;
        if (!closeenough(std::strtod(a.c_str(), nullptr), std::strtod(b.c_str(), nullptr)))
            return false;
    }
    return !std::getline(g, a, ',');
}
}

TEST(formulacases, table)
{
    std::vector<formulacase> cases = readcases(std::string(VEMO_SOURCE_DIR) + "/tests/formula/formulacases.txt");
    ASSERT_GT(cases.size(), 100u);
    std::vector<std::string> inputs;
    for (const formulacase& c : cases)
        inputs.push_back(c.input);
    int status = 0;
    std::vector<std::string> output = rundriver(inputs, status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(output.size(), cases.size());
    // The state word that goes with each diagnosis code.
    const std::map<int, int> states = {
        {1, -12}, {2, -12}, {3, -12}, {4, -12}, {5, -12}, {6, -12}, {7, -12}, {8, -12}, {9, -12},
        {10, -12}, {12, -12}, {13, -14}, {16, -11}, {19, -12}, {20, -12}, {21, -12}, {22, -12},
        {23, -12}, {24, -12}, {26, -12}, {27, -12}, {33, -12}, {38, -18}, {39, -18}, {41, -11},
        {42, -12}, {43, -18}, {44, -18}, {47, -12}, {48, -12}, {49, -12}, {50, -12}, {51, -12},
        {52, -12}, {62, -1}, {63, -12}, {64, -12}, {65, -12}, {66, -12}, {67, -12}};
    for (size_t i = 0; i < cases.size(); ++i) {
        std::map<std::string, std::string> got = fields(output[i]);
        int code = std::atoi(got["diag"].c_str());
        if (code != 0) {
            ASSERT_TRUE(states.count(code)) << output[i];
            EXPECT_EQ(std::atoi(got["state"].c_str()), states.at(code)) << output[i];
            EXPECT_EQ(got["type"] == "0", code != 62) << output[i];  // a warning leaves usable code
        }
        for (const auto& [key, want] : cases[i].expected) {
            bool ok = key == "result" ? sameresults(got[key], want) : got[key] == want;
            EXPECT_TRUE(ok) << "line " << cases[i].line << ": " << cases[i].input << "\n  " << key
                            << " expected " << want << ", got: " << output[i];
        }
    }
}

TEST(formulacases, malformedlinesareinputerrors)
{
    int status = 0;
    std::vector<std::string> output =
        rundriver({"x|x", "x|x|1,2", "x|x|one", "|1|", "# comment", "", "a|b|c|a+b|1"}, status);
    ASSERT_EQ(output.size(), 5u);
    EXPECT_EQ(output[0], "input-error");
    EXPECT_EQ(output[1], "input-error");
    EXPECT_EQ(output[2], "input-error");
    EXPECT_EQ(output[3], "type=1 values=1 diag=0 state=0 pos=0 error=0 code=0 result=1");
    EXPECT_EQ(output[4].substr(0, 31), "type=0 values=0 diag=12 state=-");  // formula "b|c|a+b"
    EXPECT_NE(status, 0);
}
