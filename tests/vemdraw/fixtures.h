// The transfer files the independent writer (rkpfile.py) makes, the
// boxes the program shows, and the printers the tests place diagrams on.
#pragma once

#include "vemdraw/model.h"

#include <string>
#include <vector>

// The folder of the fixture files, made once per test program.
const std::string& fixturedir();
// Collects the texts of the boxes shown from now on.
std::vector<std::string>& capturedboxes();
// The headless front's virtual A4 printer of 300 dpi.
printerdate a4printer();
// The model of a list as rkpfile.py writes it.
std::string modeltext(const nodelist& list);
// A whole file, or empty.
std::string filetext(const std::string& path);
// Reads a fixture into list; the reader's result.
bool readfixture(const std::string& name, nodelist& list, printerdate& printer);

#include "vemdraw/program.h"

#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <memory>

// VEMDRAW on the headless front, started on a fixture file with a script;
// boxes are captured, not answered by the script.
class scriptedprogram : public testing::Test {
protected:
    // False (a failure recorded) when the program cannot start.
    bool start(const std::string& script, bool printer = true, const std::string& file = "sine");
    void TearDown() override;
    diagram& first() { return *firstdiagram(program->diagrams()); }
    // The dialogs logged so far.
    std::string dialogs() const { return filetext(out + "/dialogs.txt"); }

    std::unique_ptr<platform::headlessfront> front = std::make_unique<platform::headlessfront>();
    std::unique_ptr<vemdrawprogram> program;
    std::vector<std::string>* boxes = nullptr;
    std::string out;   // the output folder
    std::string cwd;
};
