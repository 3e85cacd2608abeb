// Installing, calling, editing and saving a Runge-Kutta function on the
// headless front, and reading its record back.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "calculator/furk.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "objects/install.h"
#include "objects/libfile.h"
#include "objects/slotcomp.h"
#include "tests/calculator/calcfixture.h"
#include "tests/objects/libfixture.h"
#include "base/chain.h"
#include "tests/screen/editrun.h"

struct rkinstall : libdir {
    void TearDown() override
    {
        slotcomp::dropspare();
        libdir::TearDown();
    }
};

// sin t and cos t from runtime initial values, switched to constant
// ones in the editor; then the independent variable renamed.
TEST_F(rkinstall, InstalledCalledEditedAndSaved)
{
    std::vector<double> values;
    std::string saved, again;
    std::string down14;
    for (int i = 0; i < 14; i++)
        down14 += "<Down>";
    hostrun run = rundialogue("Rosc(t)<Enter>1<Enter>2<Enter>f.2, -f.1<Enter>n0, 0, 1<Enter>k<Esc>"
                              "<Home>" + down14 + "<dump editor>e<dump switched><Enter>1"
                              // The independent variable renamed from t to s.
                              "<Home><Down><Down><Down><Down><Down><Down><Down>es<Enter>1",
                              [&] {
                                  open();
                                  auto* f = dynamic_cast<furk*>(installobject());
                                  ASSERT_TRUE(f);
                                  parser p;
                                  ASSERT_NE(p.compile("osc#2(x)", "x", 1), 0);
                                  double x = 2;
                                  p.calc(&x);
                                  values = {shared.result[0], shared.result[1]};
                                  f->edit();
                                  EXPECT_EQ(f->runtime, 0);
                                  f->edit();
                                  EXPECT_STREQ(f->argletters, "s");
                                  x = 3;
                                  p.calc(&x);
                                  values.insert(values.end(), {shared.result[0], shared.result[1]});
                                  ASSERT_TRUE(savecontext());
                                  saved = get("DESKTOP.LIB");
                                  chain list;
                                  readlib(at("DESKTOP.LIB"), list, nullptr);
                                  std::ostringstream out;
                                  for (listnode* n = list.head; n; n = n->next)
                                      static_cast<fu1*>(n)->save(out);
                                  again = out.str();
                                  while (listnode* n = list.head) {
                                      list.head = n->next;
                                      delete static_cast<fu1*>(n);
                                  }
                                  freecontext();
                                  first.reset();
                              });
    ASSERT_EQ(run.status, 0) << run.out;
    ASSERT_EQ(values.size(), 4u);
    EXPECT_NEAR(values[0], std::sin(2.0), 1e-11);
    EXPECT_NEAR(values[1], std::cos(2.0), 1e-11);
    EXPECT_NEAR(values[2], std::sin(3.0), 1e-11);
    EXPECT_NEAR(values[3], std::cos(3.0), 1e-11);
    EXPECT_EQ(saved, "@@FURK\nosc\n1\n2\n@DATA\n@ARGS\ns\n@RKITERATOR\n@ORDER\n1\n@DIM\n2\n@IV\ns\n@FORMULA\n"
                     "f.2, -f.1\n@INIVALSCONST\n0\n0\n1\n@END RKITERATOR\n@@END FURK\n");
    EXPECT_EQ(again, saved);
}

// Constant initial values given in the start-value list: cos t from
// y'' = -y with y(0) = 1.
TEST_F(rkinstall, ConstantInitialValuesFromTheStartValueList)
{
    double value = 0;
    std::string record;
    hostrun run = rundialogue("Rcs(t)<Enter>2<Enter>1<Enter>-f.1<Enter>y<Down>e<Backspace>1<Enter><Enter>k<Esc>", [&] {
        open();
        fu1* f = installobject();
        ASSERT_TRUE(f);
        double t = 2;
        value = f->tcalc(&t);
        std::ostringstream out;
        f->save(out);
        record = out.str();
        freecontext();
        first.reset();
    });
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NEAR(value, std::cos(2.0), 1e-11);
    EXPECT_EQ(record, "@@FURK\ncs\n1\n1\n@DATA\n@ARGS\nt\n@RKITERATOR\n@ORDER\n2\n@DIM\n1\n@IV\nt\n@FORMULA\n-f.1\n"
                      "@INIVALSCONST\n0\n1\n0\n@END RKITERATOR\n@@END FURK\n");
}

namespace {
// y' = y from y(0) = 1 in t, set up in a calculator's dialogue.
const char setupkeys[] = "<Backspace>1<Enter><Backspace>1<Enter>tf.1<Enter><Down>e<Backspace>1<Enter><Enter>";
}

// A calculator's system becomes a function of its independent variable;
// the argument list and extension typed with the name are ignored.
TEST_F(calcsitting, RungeKuttaFunctionFromACalculator)
{
    double value = 0;
    int nargs = 0;
    std::string record;
    hostrun run = withcalc(std::string(setupkeys) + "expo#2(q)<Enter><dump ignored>k<Esc>", [&](calculator& c) {
        c.switchmode();
        fu1* f = installrkfunction(c);
        ASSERT_TRUE(f);
        nargs = f->nargs;
        double t = 1;
        value = f->tcalc(&t);
        std::ostringstream out;
        f->save(out);
        record = out.str();
    });
    EXPECT_EQ(nargs, 1);
    EXPECT_NEAR(value, std::exp(1.0), 1e-12);
    std::string notice = dumptext(run, "ignored");
    EXPECT_NE(notice.find("Ignoring the extension \"#2\""), std::string::npos) << notice;
    EXPECT_NE(notice.find("Ignoring the argument list \"(q)\""), std::string::npos) << notice;
    EXPECT_EQ(record, "@@FURK\nexpo\n1\n1\n@DATA\n@ARGS\nt\n@RKITERATOR\n@ORDER\n1\n@DIM\n1\n@IV\nt\n@FORMULA\nf.1\n"
                      "@INIVALSCONST\n0\n1\n@END RKITERATOR\n@@END FURK\n");
}
