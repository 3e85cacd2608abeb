#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "objects/fuinfinite.h"
#include "objects/libfile.h"
#include "objects/slotcomp.h"
#include "objects/sumrecord.h"
#include "platform/core/keyqueue.h"
#include "tests/objects/libfixture.h"

namespace {

std::string infinite(const char* name, const char* args, int nvalues, const char* block, char index,
                     const char* summand, const char* first, const char* rot = "1.570796326794897",
                     const char* phase = "0")
{
    std::ostringstream r;
    r << "@@FUINFINITE\n" << name << '\n' << std::strlen(args) << '\n' << nvalues << "\n@DATA\n@ARGS\n" << args
      << "\n@SUMRECORD\n@MODE\n" << block << "@END SUMRECORD\n@SUMVAR\n" << index << "\n@SUMMAND\n" << summand
      << "\n@STARTAT\n" << first << "\n@STEP\n1\n@ROT\n" << rot << "\n@PHASE\n" << phase
      << "\n@@END FUINFINITE\n";
    return r.str();
}

// The unused angles of the plain and alternating types are never compiled:
// zeta's phase does not even compile.
const std::string library = infinite("zeta", "s", 1, "++\nACCEL\n", 'k', "k^-s", "1", "2", "1+*") +
                            infinite("altln", "x", 1, "+-\nACCEL\n", 'k', "x^(k+1)/(k+1)", "0") +
                            infinite("pi12", "a", 1, "+-\nACCEL\n@VORLAUF\n12\n", 'n', "a/n^2", "1") +
                            infinite("altlog", "c", 1, "+-\nACCEL\n", 'k', "c/ln(k)", "2") +
                            infinite("halves", "x", 1, "++\nNOACCEL\n@KRITCONV\n40\n", 'k', "x*2^-k", "0") +
                            infinite("cosum", "r", 1, "c\nACCEL\n", 'k', "1/k", "1", "r") +
                            infinite("expsum", "p", 2, "e\nACCEL\n", 'j', "1/j", "1", "1", "p");

struct infinitesums : libdir {
    void SetUp() override
    {
        libdir::SetUp();
        jitreportsleft = -1;
    }
    void TearDown() override
    {
        slotcomp::dropspare();
        freecontext();   // its objects' parsers keep the shared state alive
        libdir::TearDown();
    }
    fuinfinite* find(const char* name)
    {
        for (int i = 1; i <= context->count; ++i) {
            auto* f = dynamic_cast<fuinfinite*>(context->at(i));
            if (f && std::strcmp(f->name, name) == 0)
                return f;
        }
        return nullptr;
    }
};

// The caller's array holds exactly the arguments; the word behind it must
// survive the summation.
struct guarded {
    double args[1];
    double guard = 1234.5;
};

TEST_F(infinitesums, LoadedFromLibraryAndEvaluated)
{
    put("DESKTOP.LIB", library);
    open();
    ASSERT_EQ(context->count, 7);
    struct row {
        const char* name;
        double arg, expected;
    } rows[] = {
        {"zeta", 2, std::numbers::pi * std::numbers::pi / 6},
        {"zeta", 3, 1.2020569031595942854},
        {"altln", 1, std::numbers::ln2},
        {"altln", 0.5, std::log(1.5)},
        {"pi12", 1, std::numbers::pi * std::numbers::pi / 12},
        {"altlog", 1, 0.9242998972229388},
        {"halves", 3, 6},
        {"cosum", 1, -std::log(2 * std::sin(0.5))},
        {"cosum", 2.5, -std::log(2 * std::sin(1.25))},
    };
    for (const row& w : rows) {
        fuinfinite* f = find(w.name);
        ASSERT_TRUE(f) << w.name;
        guarded g{{w.arg}};
        double v = f->tcalc(g.args);
        EXPECT_EQ(shared.error, 0) << w.name;
        EXPECT_NEAR(v, w.expected, 4e-15 * std::fabs(w.expected)) << w.name << "(" << w.arg << ")";
        EXPECT_EQ(g.guard, 1234.5) << w.name;
    }
}

// The complex type gives both parts of sum e^(i(j+p))/j.
TEST_F(infinitesums, ComplexTypeReturnsTwoValues)
{
    put("DESKTOP.LIB", library);
    open();
    fuinfinite* f = find("expsum");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->countvalues(), 2);
    double p = 0.25;
    guarded g{{p}};
    double* v = f->mcalc(g.args);
    double re = -std::log(2 * std::sin(0.5)), im = (std::numbers::pi - 1) / 2;
    EXPECT_NEAR(v[0], re * std::cos(p) - im * std::sin(p), 1e-14);
    EXPECT_NEAR(v[1], re * std::sin(p) + im * std::cos(p), 1e-14);
    EXPECT_EQ(g.guard, 1234.5);
}

TEST_F(infinitesums, RecordsRoundTripByteForByte)
{
    put("DESKTOP.LIB", library);
    open();
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), library);

    // A copy of an object writes the same record and sums the same.
    fuinfinite* f = find("pi12");
    std::unique_ptr<fu1> twin(f->clone());
    ASSERT_TRUE(twin && !twin->failed);
    std::ostringstream a, b;
    f->save(a);
    twin->save(b);
    EXPECT_EQ(a.str(), b.str());
    guarded g{{1}};
    EXPECT_EQ(twin->tcalc(g.args), f->tcalc(g.args));
}

TEST_F(infinitesums, IndexCollidingWithAnArgumentFailsImplementation)
{
    put("DESKTOP.LIB", infinite("bad", "k", 1, "++\nACCEL\n", 'k', "k^-2", "1"));
    open();
    fuinfinite* f = find("bad");
    ASSERT_TRUE(f);
    EXPECT_FALSE(f->implement(2, 0));
    EXPECT_EQ(f->diag->code, 46);
    guarded g{{1}};
    EXPECT_EQ(f->tcalc(g.args), 0.0);
    EXPECT_EQ(shared.error, evalinternal);
    shared.error = 0;
}

TEST_F(infinitesums, RecordWithoutFirstIndexIsIncomplete)
{
    open();
    std::string record = infinite("nofirst", "s", 1, "++\nACCEL\n", 'k', "k^-s", "1");
    record.erase(record.find("@STARTAT\n1\n"), std::strlen("@STARTAT\n1\n"));
    std::istringstream in(record.substr(record.find('\n') + 1));
    fuinfinite f;
    EXPECT_FALSE(f.learn(in));
    EXPECT_EQ(sink.count("Incomplete fuinfinite object!"), 1);
    std::ostringstream out;
    f.save(out);
    EXPECT_EQ(out.str(), "");
}

// A summand, first index or step with several values fails the
// implementation with the single-value diagnostic naming the component.
TEST_F(infinitesums, ComponentWithSeveralValuesGetsTheSingleValueDiagnostic)
{
    struct row {
        const char *summand, *first, *component;
    } rows[] = {
        {"k^-s,1", "1", "Expression defining the sequence element"},
        {"k^-s", "1,2", "Index of first summand"},
    };
    for (const row& w : rows) {
        // Such an object counts 0 values.
        put("DESKTOP.LIB", infinite("multi", "s", 0, "++\nACCEL\n", 'k', w.summand, w.first));
        open();
        fuinfinite* f = find("multi");
        ASSERT_TRUE(f) << w.summand;
        EXPECT_FALSE(f->implement(2, 0)) << w.summand;
        EXPECT_EQ(f->diag->code, 34) << w.summand;
        EXPECT_EQ(f->diag->state, diagstate::valuecount);
        std::string text = f->diag->message();
        EXPECT_NE(text.find(std::string("Component \"") + w.component + "\" must return a single value."),
                  std::string::npos) << text;
        EXPECT_NE(text.find("But its current formula has 2 return values !"), std::string::npos) << text;
        slotcomp::dropspare();
        freecontext();
        first.reset();
    }
}

// Failed summations are reported while reports are allowed: an unlimited
// budget (-1) counts as allowed, 0 silences them.  A finite sum is added
// up directly even when acceleration is on, so its runtime error is the
// direct summation's, with the step where it failed.
TEST_F(infinitesums, FailedSummationReportsFollowTheBudget)
{
    put("DESKTOP.LIB", infinite("grow", "x", 1, "+-\nACCEL\n", 'k', "x^k", "0") +
                           infinite("finite", "x", 1, "++\nACCEL\n@LASTINDEX\n10\n", 'k', "ln(x-k)", "0"));
    open();
    guarded g{{3}};
    struct row {
        const char* name;
        short budget;
        const char* text;
        int seen;
    } rows[] = {
        {"grow", -1, "Accelerator error: inner loop fails to converge", 1},
        {"grow", 0, "Accelerator error", 0},
        {"finite", -1, "Runtime error during infinite summation in step 3 ", 1},
    };
    for (const row& w : rows) {
        sink.seen.clear();
        jitreportsleft = w.budget;
        find(w.name)->tcalc(g.args);
        EXPECT_NE(shared.error, 0) << w.name;
        shared.error = 0;
        EXPECT_EQ(sink.count(w.text), w.seen) << w.name << " " << w.budget;
    }
}

// Every line of the settings block is a key: a blank line is a read
// error, reported, and fails the block.
TEST_F(infinitesums, BlankLineInTheSettingsBlockIsAReadError)
{
    open();
    struct row {
        const char* block;
        bool read;
    } rows[] = {
        {"@MODE\n+-\nACCEL\n@VORLAUF\n12\n@END SUMRECORD\n", true},
        {"@MODE\n+-\n\nACCEL\n@END SUMRECORD\n", false},
        {"\n@MODE\n+-\n@END SUMRECORD\n", false},
        {"@MODE\n+-\n@VORLAUF\n12\n\n@END SUMRECORD\n", false},
    };
    for (const row& w : rows) {
        sink.seen.clear();
        fuinfinite owner;
        sumrecord settings;
        settings.ownerfu = &owner;
        std::istringstream in(w.block);
        EXPECT_EQ(settings.learn(in), w.read) << w.block;
        EXPECT_EQ(sink.count("Read error in sumrecord::learn"), w.read ? 0 : 1) << w.block;
        if (w.read) {
            EXPECT_EQ(settings.leadin, 12);
        }
    }
}

// The accelerator's failure comes back as a summation failure (error
// byte 3), an evaluation error of the summand as that error.
TEST_F(infinitesums, FailedSummationSetsTheErrorByte)
{
    put("DESKTOP.LIB", infinite("grow", "x", 1, "+-\nACCEL\n", 'k', "x^k", "0") +
                           infinite("pole", "x", 1, "++\nNOACCEL\n", 'k', "ln(x-k)", "0"));
    open();
    guarded g{{3}};
    platform::computekeys().post(' ');   // a key left over never answers the report
    EXPECT_EQ(find("grow")->tcalc(g.args), 0.0);
    EXPECT_EQ(shared.error, 3);
    EXPECT_FALSE(platform::computekeys().peek());
    shared.error = 0;
    find("pole")->tcalc(g.args);
    EXPECT_EQ(shared.error, evalruntime);
    shared.error = 0;
}

// Without acceleration a series only converges once its terms are
// negligible beside the whole remaining run; 1/k^2 never gets there and
// runs until a break request, which ends it with the break's error byte.
TEST_F(infinitesums, DirectSlowSeriesRunsUntilABreak)
{
    put("DESKTOP.LIB", infinite("slow", "a", 1, "++\nNOACCEL\n", 'k', "a/k^2", "1"));
    open();
    fuinfinite* f = find("slow");
    ASSERT_TRUE(f);
    std::thread stopper([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        shared.error = evalbreak;
    });
    guarded g{{1}};
    EXPECT_EQ(f->tcalc(g.args), 0.0);
    stopper.join();
    EXPECT_EQ(shared.error, evalbreak);
    EXPECT_GT(f->settings->doneindex, 1000);
    EXPECT_EQ(sink.count("Runtime error"), 0);
    shared.error = 0;
}

// Formulas call the sums by name; a summand that calls another infinite
// sum runs it one accelerator level deeper: sum over k >= 2 of
// (zeta(k) - 1) = 1.
TEST_F(infinitesums, FormulasCallSumsAndSumsNest)
{
    put("DESKTOP.LIB", library + infinite("zetas", "a", 1, "++\nACCEL\n", 'k', "a*(zeta(k)-1)", "2"));
    open();
    parser p;
    ASSERT_NE(p.compile("zeta(2)+altln(1)", "", compilemode::normal), 0);
    ASSERT_TRUE(p.implement());
    EXPECT_NEAR(p.calc0(), std::numbers::pi * std::numbers::pi / 6 + std::numbers::ln2, 1e-14);
    ASSERT_NE(p.compile("zetas(1)", "", compilemode::normal), 0);
    ASSERT_TRUE(p.implement());
    EXPECT_NEAR(p.calc0(), 1.0, 1e-13);
    EXPECT_EQ(shared.error, evalok);
}

// The fingerprint holds the components in the order first index, step,
// rotation, phase, summand (folded constants as their values); the unused
// angles of the plain type are left out.  An object not yet implemented
// leaves a placeholder and is implemented.
TEST_F(infinitesums, FingerprintTakesTheUsedComponentsInOrder)
{
    put("DESKTOP.LIB", library);
    open();
    fingerprint& print = *shared.print;
    struct row {
        const char* name;
        std::vector<double> values;
    } rows[] = {
        {"cosum", {1, 1, 0, 1}},   // 1, 1, r, 0, 1/k
        {"zeta", {1, 1}},          // 1, 1, k^-s
    };
    for (const row& w : rows) {
        fuinfinite* f = find(w.name);
        ASSERT_TRUE(f);
        clearimplemented(f);
        print.reset();
        ASSERT_TRUE(f->recordfingerprint()) << w.name;
        EXPECT_TRUE(f->isimplemented()) << w.name;
        ASSERT_EQ(print.nrecords(), 1u) << w.name;
        EXPECT_EQ(print.records.at(0).kind, printplaceholder);

        print.reset();
        ASSERT_TRUE(f->recordfingerprint()) << w.name;
        std::vector<double> values;
        for (uint32_t i = 0; i < print.nrecords(); i++) {
            EXPECT_EQ(print.records.at(i).kind, printvalue) << w.name;
            values.push_back(print.records.at(i).value);
        }
        EXPECT_EQ(values, w.values) << w.name;
    }
    print.disable();
}

// The edit works on copies: undo brings the former version back, leaving
// without keeping puts the originals back, keeping drops them.
TEST_F(infinitesums, EditTransaction)
{
    put("DESKTOP.LIB", library);
    open();
    fuinfinite* f = find("pi12");
    ASSERT_TRUE(f);
    guarded g{{1}};
    double before = f->tcalc(g.args);
    slotcomp* original = f->slot[fuinfinite::summand];

    auto change = [&] {
        f->slot[fuinfinite::summand]->settext("2*a/n^2");
        f->settings->mode = '+';
        f->sumvar = 'm';
    };
    ASSERT_TRUE(f->beginedit());
    EXPECT_NE(f->slot[fuinfinite::summand], original);
    change();
    f->restoreedit(0);
    EXPECT_STREQ(f->slot[fuinfinite::summand]->formula(), "a/n^2");
    EXPECT_EQ(f->settings->mode, '-');
    EXPECT_EQ(f->sumvar, 'n');
    EXPECT_EQ(f->tcalc(g.args), before);
    change();
    f->restoreedit(1);
    EXPECT_EQ(f->slot[fuinfinite::summand], original);
    EXPECT_EQ(f->tcalc(g.args), before);

    ASSERT_TRUE(f->beginedit());
    f->slot[fuinfinite::summand]->settext("2*a/n^2");
    f->commitedit();
    EXPECT_NEAR(f->tcalc(g.args), 2 * before, 1e-15);
    EXPECT_EQ(f->settings->ownerfu, f);
}

// A summand with a #static variable compiles against the object's own
// store; keeping an edit, undoing one and leaving one each leave exactly
// one store, shared by the compiled components.
TEST_F(infinitesums, EditOfASumWithItsOwnStore)
{
    put("DESKTOP.LIB", infinite("counted", "a", 1, "++\nACCEL\n", 'k', "#static m; m = m + 1; a/k^2", "1"));
    open();
    fuinfinite* f = find("counted");
    ASSERT_TRUE(f);
    guarded g{{1}};
    double pi2 = std::numbers::pi * std::numbers::pi / 6;
    EXPECT_NEAR(f->tcalc(g.args), pi2, 1e-14);
    ASSERT_TRUE(f->ownvars);
    for (int keep : {1, 0, 2}) {
        ASSERT_TRUE(f->beginedit());
        EXPECT_NEAR(f->tcalc(g.args), pi2, 1e-14);
        if (keep == 1)
            f->commitedit();
        else
            f->restoreedit(keep == 0 ? 1 : 0);
        if (keep == 2)
            f->restoreedit(1);
        EXPECT_NEAR(f->tcalc(g.args), pi2, 1e-14) << keep;
        ASSERT_TRUE(f->ownvars);
        EXPECT_EQ(f->slot[fuinfinite::summand]->code->vars, f->ownvars) << keep;
    }
}

struct slotcomps : libdir {
    fuinfinite owner;
    void TearDown() override
    {
        slotcomp::dropspare();
        freecontext();   // its objects' parsers keep the shared state alive
        libdir::TearDown();
    }
};

TEST_F(slotcomps, ConstantsFoldAndFormulasKeepTheirCode)
{
    open();
    owner.setformula(nullptr, "x");
    struct row {
        const char* text;
        int mode, nvalues;
        double value;
    } rows[] = {
        {"12", 2, 1, 12},
        {"2*3+1", 2, 1, 7},
        {"1,2", 1, 2, 1},
        {"x*x", 1, 1, 9},
    };
    for (const row& w : rows) {
        slotcomp c;
        c.owner = &owner;
        ASSERT_TRUE(c.settext(w.text));
        c.countvalues();
        markset marks;
        ASSERT_TRUE(c.compile(2, &marks)) << w.text;
        EXPECT_EQ(c.mode, w.mode) << w.text;
        EXPECT_EQ(c.nvalues, w.nvalues) << w.text;
        double args[1] = {3};
        EXPECT_EQ(c.value(args), w.value) << w.text;
        slotcomp copy(&c);
        EXPECT_STREQ(copy.formula(), w.text);
        EXPECT_FALSE(copy.iscurrent());
        EXPECT_EQ(copy.mode, 0);
    }
    slotcomp bad;
    bad.owner = &owner;
    bad.settext("1+*");
    markset marks;
    EXPECT_FALSE(bad.compile(2, &marks));
    EXPECT_FALSE(bad.iscurrent());
    slotcomp none(nullptr);
    EXPECT_TRUE(none.failed);
    slotcomp empty;
    slotcomp emptycopy(&empty);
    EXPECT_EQ(emptycopy.text, nullptr);
    EXPECT_EQ(emptycopy.nvalues, 0);
    // An empty line read from a record is a text of its own.
    slotcomp blank;
    std::istringstream line("\nnext\n");
    ASSERT_TRUE(blank.learn(line));
    slotcomp blankcopy(&blank);
    EXPECT_FALSE(blankcopy.failed);
    EXPECT_STREQ(blankcopy.formula(), "");
}
}
