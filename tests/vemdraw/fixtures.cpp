#include "fixtures.h"

#include "vemdraw/messages.h"
#include "vemdraw/reader.h"

#include "platform/headless/pdfprinter.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <cstdlib>

namespace {

// A folder of the test program's own, removed at its end.
struct scratchdir {
    std::string path;
    explicit scratchdir(std::string p) : path(std::move(p)) {}
    ~scratchdir() { std::filesystem::remove_all(path); }
};

}  // namespace

const std::string& fixturedir()
{
    static const scratchdir dir = [] {
        std::string d = testing::TempDir() + "rkpfixtures" + std::to_string(getpid());
        std::string command = "/usr/bin/python3 " VEMO_SOURCE_DIR "/tests/vemdraw/rkpfile.py make " + d;
        if (std::system(command.c_str()) != 0)
            ADD_FAILURE() << "cannot make the fixtures: " << command;
        return scratchdir(d);
    }();
    return dir.path;
}

std::vector<std::string>& capturedboxes()
{
    static std::vector<std::string> boxes;
    boxes.clear();
    setboxsink([](const std::string& text, const std::string&) {
        boxes.push_back(text);
        return true;
    });
    return boxes;
}

printerdate a4printer()
{
    namespace v = platform::virtualprinter;
    platform::printercaps caps{v::dpi, v::dpi, 210, 297, v::width, v::height, v::width, v::height, 0, 0};
    printerdate p;
    p.fill(&caps);
    return p;
}

std::string modeltext(const nodelist& list)
{
    std::string out;
    int n = 0;
    char buf[64];
    for (listnode* d = list.first(); d; d = d->next) {
        out += "diagram " + std::to_string(++n) + "\n";
        for (listnode* l = static_cast<diagram*>(d)->polylines.first(); l; l = l->next) {
            auto* line = static_cast<polyline*>(l);
            std::snprintf(buf, sizeof buf, "line %u %06x", line->linepen.width, line->linepen.colour);
            out += buf;
            for (size_t i = 1; i < line->points.size(); ++i) {
                const plotpoint& p = line->points[i];
                std::snprintf(buf, sizeof buf, " %u:%u,%u", p.code, p.x, p.y);
                out += buf;
            }
            out += "\n";
        }
    }
    return out;
}

std::string filetext(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool readfixture(const std::string& name, nodelist& list, printerdate& printer)
{
    FILE* f = std::fopen((fixturedir() + "/" + name + ".rkp").c_str(), "rb");
    if (!f) {
        ADD_FAILURE() << "no fixture " << name;
        return false;
    }
    bool ok = readplotfile(f, &list, &printer);
    std::fclose(f);
    return ok;
}

bool scriptedprogram::start(const std::string& script, bool printer, const std::string& file)
{
    cwd = std::filesystem::current_path();
    out = fixturedir() + "/" + testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(out);
    std::string path = out + ".script", error;
    std::ofstream(path) << script;
    if (!front->load({path, out, 10}, error)) {
        ADD_FAILURE() << error;
        return false;
    }
    front->setprinter(printer);
    program = std::make_unique<vemdrawprogram>(*front);
    platform::setfront(front.get());
    platform::sethost(program.get());
    boxes = &capturedboxes();
    if (!program->start(fixturedir() + "/" + file + ".rkp") || !firstdiagram(program->diagrams())) {
        ADD_FAILURE() << "the program did not start on " << file;
        return false;
    }
    return true;
}

void scriptedprogram::TearDown()
{
    program.reset();
    setboxsink(nullptr);
    platform::sethost(nullptr);
    platform::setfront(nullptr);
    if (!cwd.empty())
        std::filesystem::current_path(cwd);
}
