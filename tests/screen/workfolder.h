// A fresh folder that is the work directory while a test runs.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

class workfolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/vemoworkXXXXXX";
        folder = mkdtemp(name);
        old = getcwd(nullptr, 0);
        ASSERT_EQ(chdir(folder.c_str()), 0);
    }
    void TearDown() override
    {
        EXPECT_EQ(chdir(old), 0);
        free(old);
        EXPECT_EQ(system(("rm -rf '" + folder + "'").c_str()), 0);
    }
    static std::string slurp(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // True when the folder holds exactly n entries.
    static bool holds(int n)
    {
        return system(("test $(ls -A | wc -l) -eq " + std::to_string(n)).c_str()) == 0;
    }
    std::string folder;
    char* old = nullptr;
};
