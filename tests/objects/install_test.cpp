// Installing, renaming and the name syntax, on the headless front with a
// fresh work directory.
#include <gtest/gtest.h>

#include <string>

#include "base/chain.h"
#include "objects/compositefu.h"
#include "objects/context.h"
#include "objects/fuconst.h"
#include "objects/fuvector.h"
#include "objects/install.h"
#include "objects/namesyntax.h"
#include "objects/slotcomp.h"
#include "tests/objects/contextrun.h"
#include "tests/screen/plainrow.h"

namespace {

struct installed {
    int type = 0;
    std::string name;
    int nargs = -1, nvalues = -1;
    std::string letters;
    double value = 0;
    int count = 0;     // objects in the context
};

installed describe(fu1* object)
{
    installed d;
    d.count = localobjects ? localobjects->count : 0;
    if (!object)
        return d;
    d.type = object->typenumber();
    d.name = object->name;
    d.nargs = object->nargs;
    d.nvalues = object->nvalues;
    d.letters = object->argletters;
    if (auto* c = dynamic_cast<fuconst*>(object))
        d.value = c->val;
    else if (auto* v = dynamic_cast<fuvector*>(object))
        d.value = v->elements[0];
    else if (object->nargs == 0)
        d.value = object->value();
    return d;
}

installed install(const std::string& keys, hostrun* run = nullptr)
{
    installed d;
    hostrun r = incontext(keys, [&] { d = describe(installobject()); });
    EXPECT_EQ(r.status, 0) << keys;
    if (run)
        *run = r;
    return d;
}

}  // namespace

TEST(namesyntax, parsesnamesextensionsandlists)
{
    struct namecase {
        const char* text;
        bool valid;
        const char* name;
        const char* letters;
        int extension;   // class, -1 none
    } cases[] = {
        {"MyFunc(x,Y,a)", true, "MyFunc", "xYa", -1},
        {"  ab ( x , y )  ", true, "ab", "xy", -1},
        {"Expression()", true, "Expression", "", -1},
        {"_c1", true, "_c1", "", -1},
        {"ab#3(x)", true, "ab", "x", 1},
        {"ab##", true, "ab", "", 2},
        {"ab#x", true, "ab", "", 0},
        {"a(x)", false, "a", "x", -1},
        {"1ab", false, "", "", -1},
        {"ab(x,)", false, "ab", "", -1},
        {"ab(xy)", false, "ab", "", -1},
        {"ab(x) c", false, "ab", "x", -1},
        {"ab(x", false, "ab", "", -1},
    };
    for (const namecase& c : cases) {
        EXPECT_EQ(parsenameinput(c.text), c.valid) << c.text;
        if (c.valid) {
            EXPECT_STREQ(parsedname.name, c.name) << c.text;
            EXPECT_STREQ(parsedname.letters, c.letters) << c.text;
        }
        EXPECT_EQ(parsedname.hasextension ? extensionclass(parsedname.extension) : -1, c.extension) << c.text;
    }
}

TEST(namesyntax, longinputsstaywithinthebuffers)
{
    // The longest line the name input takes, in every part.
    std::string longname(138, 'n');
    EXPECT_FALSE(parsenameinput(longname.c_str()));
    EXPECT_EQ(parsedname.namelength, 138);
    EXPECT_EQ(std::string(parsedname.name), std::string(30, 'n'));
    std::string hashes = "ab#" + std::string(135, '1');
    EXPECT_TRUE(parsenameinput(hashes.c_str()));
    EXPECT_EQ(std::string(parsedname.extension), "#" + std::string(8, '1'));
    std::string list = "ab(";
    for (int i = 0; i < 54; i++)
        list += std::string(1, char(i % 2 ? 'a' + i % 26 : 'A' + i % 26)) + (i < 53 ? "," : ")");
    EXPECT_FALSE(parsenameinput(list.c_str()));   // 110 characters of list
    EXPECT_EQ(arglistcount(list.c_str() + 2), 54);
    EXPECT_EQ(strlen(arglistletters(list.c_str() + 2)), size_t(limits::arglistlength));
    EXPECT_EQ(arglistcount("(a,b)x"), -1);
}

TEST(installobject, oneformulakinds)
{
    struct installcase {
        const char* keys;
        int type;
        const char* name;
        int nargs, nvalues;
        double value;
    } cases[] = {
        // Notice of a value-count extension, then a function of x.
        {"fab#3(x)<Enter>nx*2<Enter>kk", typeids::fu1, "ab", 1, 1, 0},
        // No list: a constant without a question; ## is noticed.
        {"fab##<Enter>n2*3<Enter>kk", typeids::fuconst, "ab", 0, 1, 6},
        // "()" asks first: 1 makes the constant, Enter keeps the formula.
        {"fcc()<Enter>2*3<Enter>1kk", typeids::fuconst, "cc", 0, 1, 6},
        {"fcc()<Enter>2*3<Enter><Enter>kk", typeids::fu1, "cc", 0, 1, 6},
        {"fcc()<Enter>2*3<Enter>xkk", typeids::fuconst, "cc", 0, 1, 6},
        {"fvv<Enter>1,2,3<Enter>kk", typeids::fuvector, "vv", 0, 3, 1},
        // A one-letter name is refused and asked again.
        {"fa(x)<Enter>kbb(x)<Enter>x<Enter>kk", typeids::fu1, "bb", 1, 1, 0},
        // Esc at the name, at the formula, or an empty formula: nothing.
        {"f<Esc>", 0, "", -1, -1, 0},
        {"fab<Enter><Esc>", 0, "", -1, -1, 0},
        {"fab<Enter><Enter>", 0, "", -1, -1, 0},
        {"x", 0, "", -1, -1, 0},
    };
    for (const installcase& c : cases) {
        installed d = install(c.keys);
        EXPECT_EQ(d.type, c.type) << c.keys;
        EXPECT_EQ(d.name, c.name) << c.keys;
        EXPECT_EQ(d.nargs, c.nargs) << c.keys;
        EXPECT_EQ(d.nvalues, c.nvalues) << c.keys;
        EXPECT_EQ(d.value, c.value) << c.keys;
        EXPECT_EQ(d.count, c.type ? 1 : 0) << c.keys;
    }
}

TEST(installobject, otherkindsnotyetbuilt)
{
    EXPECT_EQ(install("R").count, 0);
}

TEST(installobject, messagesofthenameinput)
{
    hostrun run;
    install("fab#3(x)<Enter><dump notice>nx(<Enter><dump error>k<dump failed>kk", &run);
    EXPECT_NE(plainfile(run.out + "/notice.txt").find(" N O T I C E "), std::string::npos);
    EXPECT_NE(plainfile(run.out + "/notice.txt").find("It is the program's job to count the values"), std::string::npos);
    EXPECT_NE(plainfile(run.out + "/error.txt").find(" Fatal compile Error "), std::string::npos);
    EXPECT_NE(plainfile(run.out + "/failed.txt").find("Input is terminating."), std::string::npos);
}

TEST(identity, collisionsandrenaming)
{
    std::string second, renamed;
    int collision = -1, predefined = -1;
    hostrun run = incontext("fab(x)<Enter>x<Enter>k<Esc>fab(y)<Enter>y<Enter>k<dump twin>k<Esc>"
                            "<dump changed>k<dump predefined>k"
                            "ab<Enter><dump taken>xef<Enter>",
                            [&] {
                                installobject();
                                fu1* other = installobject();
                                second = other ? other->name : "";
                                collision = identitycheck("ab", 1, 1, 2, nullptr);
                                predefined = identitycheck("sin", 1, 1, 1, nullptr);
                                // Onto the first object's identity: asked again.
                                renameobject(*other);
                                renamed = other->name;
                            });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(second, "ab");
    EXPECT_NE(plainfile(run.out + "/twin.txt").find("So the parser can not distinguish"), std::string::npos);
    EXPECT_NE(plainfile(run.out + "/taken.txt").find("There is already an object with this identity"), std::string::npos);
    EXPECT_EQ(renamed, "ef");
    EXPECT_EQ(collision, 'k');
    EXPECT_EQ(predefined, 'k');
    EXPECT_NE(plainfile(run.out + "/changed.txt").find("This provoques a name collision"), std::string::npos);
    EXPECT_NE(plainfile(run.out + "/predefined.txt").find("\"sin\" with 1 arguments is a predefined"), std::string::npos);
}

namespace {

// A composite kind of one component that implements without compiling.
class onecomponent : public compositefu {
public:
    onecomponent() { part.owner = this; }
    bool makeslots() override { return inputcomponent(&part, "Summand", nullptr); }
    const char* longname() const override { return "test object"; }
    bool complete() override { return true; }
    int countvalues() override { return nvalues = 1; }
    bool implement(uint8_t, uint16_t) override
    {
        setimplemented();
        return true;
    }
    slotcomp part;
};

}  // namespace

TEST(installobject, compositeinputandcomponents)
{
    std::string name, formula, defaulted, screen;
    bool given = false, refused = true, empty = true;
    hostrun run = incontext("ab(x)<Enter><dump component>x*2<Enter>k<Enter><Enter>k<Esc>", [&] {
        onecomponent object;
        given = runcompositeinput(object);
        name = object.signature();
        formula = object.part.formula();
        slotcomp other;
        other.owner = &object;
        empty = inputcomponent(&other, "Term", "1");
        defaulted = other.formula();
        // Without a default an empty input is asked again; Esc gives up.
        slotcomp third;
        refused = inputcomponent(&third, "Term", nullptr);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(given);
    EXPECT_EQ(name, "ab(x)");
    EXPECT_EQ(formula, "x*2");
    EXPECT_TRUE(empty);
    EXPECT_EQ(defaulted, "1");
    EXPECT_FALSE(refused);
    std::string dump = plainfile(run.out + "/component.txt");
    EXPECT_NE(dump.find(" input test object"), std::string::npos);
    EXPECT_NE(dump.find("Summand ?"), std::string::npos);
}
