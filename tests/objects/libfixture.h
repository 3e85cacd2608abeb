// A work directory of library files for the context and library tests:
// made fresh for each test, the context opened on it, reports answered
// with scripted keys.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/report.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "platform/core/files.h"

// Answers reports with the queued keys (Enter when none is left) and
// keeps their texts.
struct scriptsink : reportsink {
    std::deque<int> keys;
    std::vector<reportentry> seen;
    int report(reportkind kind, const std::string& text, const char* caption, int footer) override
    {
        seen.push_back({kind, text, caption ? caption : "", footer});
        if (keys.empty())
            return 13;
        int key = keys.front();
        keys.pop_front();
        return key;
    }
    // How many reports contain the text.
    int count(const std::string& text) const
    {
        int n = 0;
        for (const reportentry& e : seen)
            n += e.text.find(text) != std::string::npos || e.caption.find(text) != std::string::npos;
        return n;
    }
};

struct libdir : ::testing::Test {
    std::string dir;
    scriptsink sink;
    std::unique_ptr<parser> first;

    void SetUp() override
    {
        char pattern[] = "/tmp/vemolibXXXXXX";
        dir = mkdtemp(pattern);
        setworkdirectory(dir);
        setreportsink(&sink);
    }
    void TearDown() override
    {
        // The objects' parsers count too: the context goes first.
        freecontext();
        first.reset();
        setreportsink(nullptr);
        setworkdirectory(".");
        simulatesavefailure(false);
        std::filesystem::remove_all(dir);
    }
    std::string at(const std::string& name) const { return dir + "/" + name; }
    void put(const std::string& name, const std::string& bytes) const
    {
        ASSERT_TRUE(savefile(at(name), bytes));
    }
    std::string get(const std::string& name) const
    {
        std::string bytes;
        loadfile(at(name), bytes);
        return bytes;
    }
    // Builds the shared state, which opens the context on DESKTOP.LIB.
    void open() { first = std::make_unique<parser>(); }
};
