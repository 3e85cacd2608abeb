// The export: sizes and names, the Write action's states and palettes, the
// scripted dialog, and the 8-bit export of the window against its dump.
#include "fixtures.h"

#include "vemdraw/export.h"
#include "vemdraw/geometry.h"
#include "vemdraw/render.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

std::string output(const std::string& command)
{
    std::string out;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    pclose(p);
    return out;
}

std::string vemdraw(const std::string& name, const std::string& script, const std::string& file)
{
    std::string out = fixturedir() + "/" + name, path = out + ".txt";
    std::ofstream(path) << script;
    std::string command = std::string(VEMO_BIN_DIR) + "/vemdraw --headless --script " + path + " --out " + out + " " + file;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return filetext(out + "/dialogs.txt");
}

// A diagram of one line in the given colour on a 300-dpi A4 printer.
struct linediagram {
    printerdate printer = a4printer();
    diagram d{&printer};

    explicit linediagram(uint32_t colour)
    {
        auto* line = new polyline;
        line->linepen.colour = colour;
        line->append({1, 0, 0});
        line->append({2, 20000, 20000});
        d.polylines.append(line);
        d.griddensity = 0;
        capturedboxes();
        applysettings(&d);
    }
};

// The size of a GIF's global colour table.
int gifcolours(const std::string& path)
{
    std::string bytes = filetext(path);
    return bytes.size() > 10 ? 2 << (bytes[10] & 7) : 0;
}

}  // namespace

TEST(Export, TypedSizesAreClamped)
{
    const struct {
        const char* text;
        uint32_t size;
    } cases[] = {{"0", 5}, {"3", 5}, {"99999", 65535}, {"  640x", 640}, {"", 5}, {"-7", 5},
                 {"99999999999999999999999", 65535}, {"5", 5}, {"65535", 65535}};
    for (const auto& c : cases)
        EXPECT_EQ(exportsize(c.text), c.size) << '"' << c.text << '"';
}

TEST(Export, NamesAndAdapting)
{
    exportsettings r;
    r.name = "verylongname.rkp";
    exportextension(r);
    EXPECT_EQ(r.name, "VERYLONG.GIF");
    r.format = 8;
    exportextension(r);
    EXPECT_EQ(r.name, "VERYLONG.BMP");

    r.paper = {0, 0, 200, 100};
    r.width = 1000;
    r.height = 300;
    exportadapt(r, 'w');
    EXPECT_EQ(r.height, 500u);
    exportadapt(r, 'h');
    EXPECT_EQ(r.width, 1000u);
    r.height = 40000;   // a width of 80000 does not fit: unchanged
    exportadapt(r, 'h');
    EXPECT_EQ(r.width, 1000u);
    r.paper = {};
    exportadapt(r, 'w');
    EXPECT_EQ(r.height, 40000u);
}

TEST(Export, WriteAsksBeforeOverwritingAndSizesThePalette)
{
    linediagram l(0x0000FF);
    fs::path dir = fs::path(fixturedir()) / "writes";
    fs::create_directories(dir);
    exportsettings r;
    r.directory = dir.string();
    r.name = "THREE.GIF";
    r.width = 120;
    r.height = 80;
    r.fullpalette = false;
    exportcommand(r, &l.d);
    EXPECT_EQ(r.state, exportstate::done);
    EXPECT_EQ(r.status, std::to_string(fs::file_size(dir / "THREE.GIF")) + " bytes written");
    EXPECT_EQ(gifcolours((dir / "THREE.GIF").string()), 4);   // white, black, red

    r.fullpalette = true;
    r.state = exportstate::ready;
    exportcommand(r, &l.d);
    EXPECT_EQ(r.state, exportstate::overwrite);
    EXPECT_EQ(r.status, "File exists. Overwrite ?");
    EXPECT_EQ(gifcolours((dir / "THREE.GIF").string()), 4);
    exportcommand(r, &l.d);
    EXPECT_EQ(r.state, exportstate::done);
    EXPECT_EQ(gifcolours((dir / "THREE.GIF").string()), 256);
}

TEST(Export, FailuresEndInTheFailedState)
{
    linediagram l(0);
    exportsettings r;
    r.width = r.height = 50;
    r.directory = fixturedir() + "/no/such/folder";
    for (int format : {0, 4, 8}) {
        r.format = format;
        r.name = format ? "X.BMP" : "X.GIF";
        r.state = exportstate::ready;
        exportcommand(r, &l.d);
        EXPECT_EQ(r.state, exportstate::failed) << format;
        EXPECT_EQ(r.status.find("bytes written"), std::string::npos) << r.status;
        EXPECT_NE(r.status.find("Could not write"), std::string::npos) << r.status;
    }
    r.directory.clear();
    r.state = exportstate::ready;
    exportcommand(r, nullptr);
    EXPECT_EQ(r.state, exportstate::failed);
    EXPECT_EQ(r.status, "Could not to initialize bitmap data");
}

TEST(Export, ScriptedDialogClampsAndGreys)
{
    std::string log = vemdraw("exportclamp", "<menu 40026><dialog 1057=3 1049=99999 1084=1 cancel>",
                              fixturedir() + "/sine.rkp");
    EXPECT_NE(log.find("EXPORTDIALOG ended with 2\n"), std::string::npos) << log;
    for (const char* line : {"1057=5\n", "1049=65535\n", "1084=1\n", "1085=0\n", "1088=0 (grey)\n", "1086=SINE.BMP\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
    EXPECT_FALSE(fs::exists(fixturedir() + "/SINE.BMP"));
}

// At the window's drawing rectangle the 8-bit export is the window's
// picture, as Pillow decodes both.
TEST(Export, EightBitExportIsTheWindowDump)
{
    std::string log = vemdraw("exportwindow", "<dump window><menu 40026><dialog press=1078 1084=1 press=1089 press=1089>",
                              fixturedir() + "/sine.rkp");
    EXPECT_NE(log.find("1095=" + std::to_string(fs::file_size(fixturedir() + "/SINE.BMP")) + " bytes written"),
              std::string::npos) << log;
    EXPECT_NE(log.find("1089=OK"), std::string::npos);
    pixelbox r = screenwindow(800, 600);
    std::string same = output("/usr/bin/python3 " VEMO_SOURCE_DIR "/tests/vemdraw/samepixels.py " + fixturedir()
                              + "/SINE.BMP " + fixturedir() + "/exportwindow/window.png " + std::to_string(r.left)
                              + " " + std::to_string(r.top));
    EXPECT_EQ(same, "same\n");
    fs::remove(fixturedir() + "/SINE.BMP");
}

// The sine's grid follows its main units: every tick mark of an exported
// GIF stands on its grid line, as Pillow decodes the image.
TEST(Export, TickMarksStandOnTheirGridLines)
{
    const struct {
        int width, height;
    } sizes[] = {{500, 375}, {769, 576}, {911, 683}, {1234, 925}};
    for (auto [width, height] : sizes) {
        std::string gif = fixturedir() + "/SINE.GIF";
        fs::remove(gif);
        vemdraw("ticks", "<menu 40026><dialog 1057=" + std::to_string(width) + " 1049=" + std::to_string(height)
                             + " press=1089 press=1089>",
                fixturedir() + "/sine.rkp");
        EXPECT_EQ(output("/usr/bin/python3 " VEMO_SOURCE_DIR "/tests/vemdraw/ticksongrid.py " + gif), "ok\n")
            << width << " x " << height;
        fs::remove(gif);
    }
}
