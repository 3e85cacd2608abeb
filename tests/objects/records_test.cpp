#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include "base/limits.h"
#include "base/report.h"
#include "formula/parser.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/factory.h"
#include "objects/fuconst.h"
#include "objects/fuvector.h"

namespace fs = std::filesystem;

namespace {

// A context whose library list holds DESKTOP.LIB and OTHER.LIB.
class records : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vemo-records-" + std::to_string(getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "OTHER.LIB") << "";
        std::ofstream(dir / "TWELVECH.LIB") << "";
        setworkdirectory(dir.string());
        first = std::make_unique<parser>();
        clearrecordedreports();
    }
    void TearDown() override
    {
        first.reset();
        setworkdirectory(".");
        fs::remove_all(dir);
    }

    // Reads one record (tag line included) with the factory.
    static std::unique_ptr<fu1> readone(std::istream& in)
    {
        fu1* object = makeobject(readtypetag(in));
        if (object && !object->learn(in)) {
            delete object;
            object = nullptr;
        }
        return std::unique_ptr<fu1>(object);
    }
    static std::unique_ptr<fu1> readone(const std::string& text)
    {
        std::istringstream in(text);
        return readone(in);
    }
    static std::string written(fu1& object)
    {
        std::ostringstream out;
        object.save(out);
        return out.str();
    }
    static bool reported(const char* part)
    {
        for (const reportentry& e : recordedreports())
            if (e.text.find(part) != std::string::npos)
                return true;
        return false;
    }

    fs::path dir;
    std::unique_ptr<parser> first;
};

TEST(recordtags, prefixmatchinroworder)
{
    struct {
        const char* line;
        int type;
    } cases[] = {
        {"@@FUNMX", 10}, {"@@FUNM", 9}, {"@@FU1", 6}, {"@@FU", 5}, {"@@FUCONST", 7},
        {"@@FUVECTOR", 8}, {"@@FUINFINITE", 17}, {"@@FURK", 18}, {"@@COMMENT", 2},
        {"@@VARMAN", 3}, {"@@FU1 trailing", 6}, {"@DATA", 0}, {"", 0}, {"NEVER USE", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tagtotype(c.line), c.type) << c.line;
}

TEST(recordtags, matchanygivesthefirstprefixkey)
{
    EXPECT_EQ(matchany("@@END FU1", "@ARGS", "@@END", "@@", nullptr), 2);
    EXPECT_EQ(matchany("@ARGS", "", "@ARGS", nullptr), 2);
    EXPECT_EQ(matchany("abc", "@ARGS", nullptr), 0);
    EXPECT_EQ(matchany("", "", nullptr), 0);
}

// Every kind written back byte for byte, also with origin, comment and an
// own variable store.
TEST_F(records, roundtripisbyteidentical)
{
    const std::string library =
        "@@FU1\nf\n2\n1\n@HERKUNFT\nOTHER.LIB\n@@COMMENT\nsquare sum\n@@END COMMENT\n@DATA\n"
        "@ARGS\nxy\n@FORMULA\nx*x+y*y\n@@END FU1\n"
        "@@FU1\ncount\n0\n1\n@DATA\n@ARGS\n\n@FORMULA\n#static n; n = n + 1\n@@VARMAN\nn= 3\n@@END VARMAN\n@@END FU1\n"
        "@@FU1\ng\n1\n2\n@DATA\n@ARGS\nt\n@FORMULA\nt, 2*t\n@@END FU1\n"
        "@@FUCONST\nthird\n0\n1\n@DATA\n0.3333333333333333\n@@END FUCONST\n"
        "@@FUCONST\nbig\n0\n1\n@DATA\n1e+300\n@@END FUCONST\n"
        "@@FUVECTOR\nv\n0\n3\n@DATA\n1\n-2.5\n3.141592653589793\n@@END FUVECTOR\n";
    std::istringstream in(library);
    std::string again;
    while (in.peek() != EOF) {
        std::unique_ptr<fu1> object = readone(in);
        ASSERT_NE(object, nullptr);
        again += written(*object);
    }
    EXPECT_EQ(again, library);
    EXPECT_TRUE(recordedreports().empty());
}

TEST_F(records, crlflinesreadasthesame)
{
    std::unique_ptr<fu1> object = readone("@@FU1\r\nf\r\n1\r\n1\r\n@DATA\r\n@ARGS\r\nx\r\n@FORMULA\r\nx+1\r\n@@END FU1\r\n");
    ASSERT_NE(object, nullptr);
    EXPECT_STREQ(object->name, "f");
    EXPECT_EQ(written(*object), "@@FU1\nf\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx+1\n@@END FU1\n");
}

TEST_F(records, headerrules)
{
    // The origin name is cut to 12 characters before the lookup; a name
    // not registered is registered, one that cannot be a library file
    // gives origin 0.
    std::unique_ptr<fu1> a = readone("@@FUCONST\nc\n0\n1\n@HERKUNFT\nTWELVECH.LIBxyz\n@DATA\n1\n@@END FUCONST\n");
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a->origin, 0);
    EXPECT_EQ(a->origin, librarynumber("TWELVECH.LIB"));
    std::unique_ptr<fu1> b = readone("@@FUCONST\nc\n0\n1\n@HERKUNFT\nNONE.LIB\n@DATA\n1\n@@END FUCONST\n");
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(libraryname(b->origin), "NONE.LIB");
    for (const char* name : {"../NONE.LIB", "", "a b.lib", ".lib"}) {
        std::unique_ptr<fu1> e = readone(std::string("@@FUCONST\nc\n0\n1\n@HERKUNFT\n") + name +
                                         "\n@DATA\n1\n@@END FUCONST\n");
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->origin, 0) << name;
    }

    // A comment of several lines keeps its first line.
    std::unique_ptr<fu1> c = readone("@@FUCONST\nc\n0\n1\n@@COMMENT\nfirst\nsecond\n@@END COMMENT\n@DATA\n1\n@@END FUCONST\n");
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->note->text(), "first");

    // A name of 30 characters fits; a longer one is not cut but rejected.
    const std::string fits = "@@FUCONST\n" + std::string(30, 'n') + "\n0\n1\n@DATA\n1\n@@END FUCONST\n";
    std::unique_ptr<fu1> d = readone(fits);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(written(*d), fits);
    EXPECT_EQ(readone("@@FUCONST\n" + std::string(31, 'n') + "\n0\n1\n@DATA\n1\n@@END FUCONST\n"), nullptr);
    EXPECT_TRUE(reported("name too long"));
}

TEST_F(records, headerfaults)
{
    idable id;
    std::istringstream nine("a\n1\n1\n@HERKUNFT\nX\n@HERKUNFT\nY\n@HERKUNFT\nZ\n@HERKUNFT\nW\n@HERKUNFT\nV\n@HERKUNFT\nU\n@DATA\n");
    EXPECT_FALSE(id.readheader(nine));
    EXPECT_TRUE(reported(" 10 runs of "));

    clearrecordedreports();
    std::istringstream four("a\n1\n1\nextra\n@DATA\n");
    EXPECT_FALSE(id.readheader(four));
    EXPECT_TRUE(reported("idable::readheader()"));

    std::istringstream empty("");
    EXPECT_FALSE(id.readheader(empty));
}

TEST_F(records, fu1bodies)
{
    // Letters of another length than the count: reported, letters kept.
    std::unique_ptr<fu1> a = readone("@@FU1\nf\n1\n1\n@DATA\n@ARGS\nxy\n@FORMULA\nx+y\n@@END FU1\n");
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(reported("nofargs-mismatch in fu1::learn"));
    EXPECT_STREQ(a->argletters, "xy");
    EXPECT_EQ(a->nargs, 2);

    // A value count that the text cannot tell stays the header's, so the
    // record is written back unchanged.
    std::string unclear = "@@FU1\nu\n0\n2\n@DATA\n@ARGS\n\n@FORMULA\n(\n@@END FU1\n";
    std::unique_ptr<fu1> u = readone(unclear);
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(written(*u), unclear);

    // An unknown key rejects the record.
    clearrecordedreports();
    EXPECT_EQ(readone("@@FU1\nf\n1\n1\n@DATA\n@WHAT\nx\n@@END FU1\n"), nullptr);
    EXPECT_TRUE(reported("fu1::learn"));

    // An object without formula writes nothing at all.
    fu1 empty;
    empty.setname("e");
    EXPECT_EQ(written(empty), "");
}

// A header error is reported and the body is read on: its own errors are
// reported too, and a good body is taken (the library reader then keeps
// the record as it stands, since it does not write back whole).
TEST_F(records, fu1readsOnAfterAHeaderError)
{
    const std::string longname(limits::namelength + 1, 'n');
    clearrecordedreports();
    std::unique_ptr<fu1> f = readone("@@FU1\n" + longname + "\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx+1\n@@END FU1\n");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(reported("name too long"));
    EXPECT_STREQ(f->text(), "x+1");

    clearrecordedreports();
    EXPECT_EQ(readone("@@FU1\n" + longname + "\n1\n1\n@DATA\n@WHAT\n@@END FU1\n"), nullptr);
    EXPECT_TRUE(reported("name too long"));
    EXPECT_TRUE(reported("Read error in fu1::learn"));
}

// The longest formula that the editor accepts survives; a longer line in a
// file is a read error, not a silent cut.
TEST_F(records, formulalengthlimits)
{
    std::string longest = "1" + std::string(1038, ' ') + "2";
    ASSERT_EQ(longest.size(), 1040u);
    std::string record = "@@FU1\nf\n0\n1\n@DATA\n@ARGS\n\n@FORMULA\n" + longest + "\n@@END FU1\n";
    std::unique_ptr<fu1> a = readone(record);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(written(*a), record);

    std::string over = "@@FU1\nf\n0\n1\n@DATA\n@ARGS\n\n@FORMULA\n" + longest + "3\n@@END FU1\n";
    EXPECT_EQ(readone(over), nullptr);
    EXPECT_TRUE(reported("fu1::learn"));
}

TEST_F(records, commentlengthlimits)
{
    std::string longest(1520, 'c');
    fuconst c(1.0);
    c.setname("c");
    c.note = new comment(longest.c_str());
    std::unique_ptr<fu1> back = readone(written(c));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::string(back->note->text()), longest);
    EXPECT_EQ(back->note->capacity, 1521);
}

TEST_F(records, constantsandvectors)
{
    // A vector whose header says 0 values reads one element.
    std::unique_ptr<fu1> v = readone("@@FUVECTOR\nv\n0\n0\n@DATA\n7\n@@END FUVECTOR\n");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->nvalues, 1);
    EXPECT_EQ(v->tcalc(nullptr), 7.0);
    EXPECT_TRUE(v->isimplemented());

    // More elements than the capacity field can count: rejected.
    EXPECT_EQ(readone("@@FUVECTOR\nv\n0\n32767\n@DATA\n7\n@@END FUVECTOR\n"), nullptr);

    // A constant is stored with 16 significant digits.
    fuconst c(2.0 / 3.0);
    c.setname("c");
    EXPECT_EQ(written(c), "@@FUCONST\nc\n0\n1\n@DATA\n0.6666666666666666\n@@END FUCONST\n");

    // A missing end line rejects the record.
    EXPECT_EQ(readone("@@FUCONST\nc\n0\n1\n@DATA\n1\n2\n"), nullptr);
    EXPECT_TRUE(reported("fuconst::learn"));
}

// A stream locale with a decimal comma and digit groups changes nothing.
TEST_F(records, numbersignorethestreamlocale)
{
    struct grouped : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    fuvector v;
    v.setname("v");
    v.reserve(1234);
    v.nvalues = 1234;
    v.elements[0] = 0.5;
    std::ostringstream out;
    out.imbue(std::locale(out.getloc(), new grouped));
    v.save(out);
    EXPECT_EQ(out.str().substr(0, 32), "@@FUVECTOR\nv\n0\n1234\n@DATA\n0.5\n0\n");
}

TEST_F(records, factorymakesthesimplekindsandreportsstrayblocks)
{
    EXPECT_EQ(std::unique_ptr<fu1>(makeobject(6))->typenumber(), 6);
    EXPECT_EQ(std::unique_ptr<fu1>(makeobject(7))->typenumber(), 7);
    EXPECT_EQ(std::unique_ptr<fu1>(makeobject(8))->typenumber(), 8);
    for (int type : {0, 1, 5, 9, 10, 19})
        EXPECT_EQ(makeobject(type), nullptr);
    EXPECT_TRUE(recordedreports().empty());
    EXPECT_EQ(makeobject(3), nullptr);
    EXPECT_TRUE(reported("readanobject finds naked VARMAN"));
}

}  // namespace
