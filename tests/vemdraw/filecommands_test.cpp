// Open and Delete from the menu of the headless program.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Runs the program on file with the script; the dump named "after".
std::string afterscript(const std::string& name, const std::string& script, const std::string& file)
{
    std::string out = fixturedir() + "/" + name, path = out + ".txt";
    std::ofstream(path) << script << "<dump after>";
    std::string command = std::string(VEMO_BIN_DIR) + "/vemdraw --headless --script " + path + " --out " + out + " " + file;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return filetext(out + "/after.txt");
}

}  // namespace

TEST(FileCommands, OpenTakesTheChosenFileAndKeepsTheOldOneOnFailure)
{
    std::string sine = fixturedir() + "/sine.rkp", points = fixturedir() + "/points.rkp";
    std::string dump = afterscript("open", "<menu 40013><file " + points + ">", sine);
    EXPECT_EQ(dump.rfind("title: Vemdraw  " + points + "\n", 0), 0u) << dump;

    dump = afterscript("openbroken", "<menu 40013><file " + fixturedir() + "/insiderecord.rkp><ok>", sine);
    EXPECT_EQ(dump.rfind("title: Vemdraw  " + sine + "\n", 0), 0u) << dump;   // the old name stays
    EXPECT_NE(dump.find("enabled: 40013 40023 40022 40024\n"), std::string::npos) << dump;

    dump = afterscript("opencancel", "<menu 40013><cancel>", sine);
    EXPECT_EQ(dump.rfind("title: Vemdraw  " + sine + "\n", 0), 0u) << dump;
}

TEST(FileCommands, DeleteAsksAndKeepsTheDiagram)
{
    std::string copy = fixturedir() + "/deleteme.rkp";
    fs::copy_file(fixturedir() + "/sine.rkp", copy, fs::copy_options::overwrite_existing);
    std::string dump = afterscript("deleteno", "<menu 40028><no>", copy);
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_NE(dump.find("Delete File: \n\r" + copy + " ?"), std::string::npos) << dump;

    dump = afterscript("deleteyes", "<menu 40028><yes>", copy);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(dump.rfind("title: Vemdraw  (no file)\n", 0), 0u) << dump;
    EXPECT_NE(dump.find("enabled: 40013 40015 40026 40028"), std::string::npos) << dump;   // menus stay
}

TEST(FileCommands, AFileThatFailsToReadShowsNothing)
{
    // /proc/self/mem opens as a regular file; its first read fails (EIO).
    const std::string box = "Could not read File:\n\r/proc/self/mem\n\rInput/output error";
    std::string sine = fixturedir() + "/sine.rkp";
    const struct {
        const char* name;
        std::string script, file;
    } cases[] = {
        {"readerrorstart", "<ok>", "/proc/self/mem"},
        {"readerroropen", "<menu 40013><file /proc/self/mem><ok>", sine},
    };
    for (const auto& c : cases) {
        std::string dump = afterscript(c.name, c.script, c.file);
        EXPECT_NE(dump.find(box), std::string::npos) << dump;
        EXPECT_NE(dump.find("enabled: 40013 40023 40022 40024\n"), std::string::npos) << dump;
        EXPECT_EQ(dump.find("title: Vemdraw  /proc/self/mem"), std::string::npos) << dump;
    }
}
