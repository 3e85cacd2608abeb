// The reader against the independent writer and reader of rkpfile.py.
#include "fixtures.h"

#include "vemdraw/reader.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <cerrno>
#include <cstring>

namespace {

TEST(Reader, GivesTheModelOfTheIndependentReader)
{
    DIR* dir = opendir(fixturedir().c_str());
    ASSERT_NE(dir, nullptr);
    int compared = 0, written = 0;
    while (dirent* e = readdir(dir)) {
        std::string name = e->d_name;
        if (name.size() < 7 || name.substr(name.size() - 6) != ".model")
            continue;
        name.resize(name.size() - 6);
        nodelist list;
        printerdate printer = a4printer();
        capturedboxes();
        EXPECT_TRUE(readfixture(name, list, printer)) << name;
        EXPECT_EQ(modeltext(list), filetext(fixturedir() + "/" + name + ".model")) << name;
        ++compared;
        written += name.rfind("vemo-", 0) == 0;
    }
    closedir(dir);
    EXPECT_GE(compared, 10);
    EXPECT_EQ(written, 3);   // the files VEMO wrote for known curves
}

TEST(Reader, EmptyFileGivesOneDiagramWithOneEmptyPolyline)
{
    nodelist list;
    printerdate printer = a4printer();
    EXPECT_TRUE(readfixture("empty", list, printer));
    ASSERT_EQ(list.count, 1u);
    EXPECT_EQ(firstdiagram(list)->polylines.count, 1u);
    EXPECT_FALSE(static_cast<polyline*>(firstdiagram(list)->polylines.first())->haspoints());
}

TEST(Reader, MalformedFilesFailNamingTheCycle)
{
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"insiderecord", "\n Invalid file format : \n\r Frame error detected in cycle 1 \n\r"},
        {"shortcolour", "\n Invalid file format : \n\r nofread<6 in cycle 1 \n\r"},
        {"shortnumber", "\n Premature end of file while reading PT_RAENDER \n\r\n nofread=3\n"},
        {"badnumberhead", "\n Unknown error while reading PT_ORIG \n\r"},
        {"pointrange", "\n Invalid file format : \n\r Point out of range in cycle 1 \n\r"},
    };
    for (const auto& c : cases) {
        nodelist list;
        printerdate printer = a4printer();
        auto& boxes = capturedboxes();
        EXPECT_FALSE(readfixture(c.name, list, printer)) << c.name;
        ASSERT_EQ(boxes.size(), 1u) << c.name;
        EXPECT_EQ(boxes[0], c.message) << c.name;
    }
}

TEST(Reader, UnusableValuesAreNotGivenWithAMessage)
{
    const char* cases[] = {"nanwindow", "reversedwindow", "zerounits"};
    for (const char* name : cases) {
        nodelist list;
        printerdate printer = a4printer();
        auto& boxes = capturedboxes();
        EXPECT_TRUE(readfixture(name, list, printer)) << name;
        const diagram* d = firstdiagram(list);
        EXPECT_FALSE(d->windowgiven || d->unitsgiven) << name;
        ASSERT_EQ(boxes.size(), 1u) << name;
        EXPECT_NE(boxes[0].find("Ignoring invalid values of PT_"), std::string::npos) << boxes[0];
    }
}

TEST(Reader, TrailerFieldsAndFlags)
{
    nodelist list;
    printerdate printer = a4printer();
    capturedboxes();
    for (const char* name : {"fivechars", "sixchars", "zeroside", "size", "trailer", "flags0042"})
        ASSERT_TRUE(readfixture(name, list, printer)) << name;
    auto at = [&](int n) { return static_cast<diagram*>(nthitem(list.first(), n)); };
    EXPECT_EQ(at(1)->width, 12.25);
    EXPECT_EQ(at(1)->height, 8.125);
    EXPECT_EQ(at(2)->width, 100000);
    EXPECT_EQ(at(2)->height, 200);
    EXPECT_EQ(at(3)->width, 141.0);   // a zero side changes nothing
    EXPECT_EQ(at(3)->height, 100.0);
    EXPECT_EQ(at(4)->width, 120.0);
    EXPECT_EQ(at(4)->height, 90.5);
    const diagram& t = *at(5);
    EXPECT_TRUE(t.windowgiven && t.anchorsgiven && t.unitsgiven);
    EXPECT_EQ(t.window.left, -1);
    EXPECT_EQ(t.window.top, 3);
    EXPECT_EQ(t.window.right, 3);
    EXPECT_EQ(t.window.bottom, -2);
    EXPECT_EQ(t.width, 120);
    EXPECT_EQ(t.interpretation, 1u);
    EXPECT_EQ(t.gridstyle, 1u);
    EXPECT_EQ(t.gridcolour, 0x00FF00u);
    EXPECT_EQ(t.griddensity, 1u);
    const diagram& f = *at(6);
    EXPECT_FALSE(f.xaxis);
    EXPECT_TRUE(f.yaxis);
    EXPECT_TRUE(f.box);
}

TEST(Reader, LargestShapeFlagsGivePortraitAndTheLargerShape)
{
    nodelist list;
    printerdate printer = a4printer();
    printer.orientation = orientation::landscape;
    ASSERT_TRUE(readfixture("flags0210", list, printer));
    EXPECT_EQ(printer.orientation, orientation::portrait);
    EXPECT_TRUE(firstdiagram(list)->largershape);
}

// A stream of a fixture's first bytes whose next read fails with EIO,
// as a disk or a network file system fails under a reader.
struct failingstream {
    std::string bytes;
    size_t at = 0;

    static ssize_t read(void* cookie, char* buffer, size_t size)
    {
        auto* s = static_cast<failingstream*>(cookie);
        if (s->at == s->bytes.size()) {
            errno = EIO;
            return -1;
        }
        size_t n = std::min(size, s->bytes.size() - s->at);
        std::memcpy(buffer, s->bytes.data() + s->at, n);
        s->at += n;
        return ssize_t(n);
    }
};

TEST(Reader, AFailedReadFailsWithoutABoxAndTellsWhy)
{
    const struct {
        const char* name;
        size_t good;   // bytes read before the failure
    } cases[] = {
        {"sine", 0}, {"sine", 6}, {"sine", 600}, {"sine", 603}, {"trailer", 30}, {"trailer", 33}, {"trailer", 39},
    };
    for (const auto& c : cases) {
        std::string whole = filetext(fixturedir() + "/" + c.name + ".rkp");
        ASSERT_GT(whole.size(), c.good);
        failingstream stream{whole.substr(0, c.good)};
        FILE* f = fopencookie(&stream, "rb", {failingstream::read, nullptr, nullptr, nullptr});
        ASSERT_NE(f, nullptr);
        nodelist list;
        printerdate printer = a4printer();
        auto& boxes = capturedboxes();
        errno = 0;
        EXPECT_FALSE(readplotfile(f, &list, &printer)) << c.name << " " << c.good;
        EXPECT_EQ(errno, EIO) << c.name << " " << c.good;
        EXPECT_TRUE(boxes.empty()) << c.name << " " << c.good << ": " << boxes[0];
        std::fclose(f);
    }
}

TEST(Reader, NumbersAsWrittenByteForByte)
{
    const struct {
        const char* name;
        std::string bytes;
        double value;
    } cases[] = {
        {"half", std::string("\x15\x03\x00\x00\x00\xFF" "0.5\x00\x00\xFF", 12), 0.5},
        {"hundredthousand", std::string("\x15\x06\x00\x00\x00\xFF" "100000" "\x00\x00\x00\x00\x00\xFF", 18), 1e5},
    };
    for (const auto& c : cases) {
        std::string path = fixturedir() + "/" + c.name + ".num";
        EXPECT_EQ(filetext(path), c.bytes) << c.name;
        FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        double v = 0;
        int nread = 0;
        EXPECT_TRUE(readnumber(f, v, nread));
        EXPECT_EQ(v, c.value);
        std::fclose(f);
    }
}

}  // namespace
