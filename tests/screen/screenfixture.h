// A fresh text screen for each test: default fonts on a 1280 by 1024
// desktop, an empty grid, white screen.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/report.h"
#include "screen/screen.h"
#include "screen/screendump.h"
#include "screen/screenhost.h"
#include "screen/tgwscreen.h"

class screenfixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        screeninit("");
        screencreate();
        clrscr(15);
        clearrecordedreports();
    }
    void TearDown() override { screendestroy(); }

    // Row y of the text dump (1-based), without its line break.
    static std::string row(int y)
    {
        std::string d = screendump();
        size_t start = 0;
        for (int i = 1; i < y; i++)
            start = d.find('\n', start) + 1;
        return d.substr(start, d.find('\n', start) - start);
    }

    static std::vector<uint32_t> pixels()
    {
        screenlock lock;
        const canvas& c = lock.pixels();
        std::vector<uint32_t> out;
        for (int y = 0; y < c.height; y++)
            for (int x = 0; x < c.width; x++)
                out.push_back(c.row(y)[x] & 0xFFFFFF);
        return out;
    }

    static void setpixels(uint32_t rgb)
    {
        screenlock lock;
        fillrect(lock.pixels(), {0, 0, lock.pixels().width, lock.pixels().height}, rgb);
    }
};
