// Installing, calling, editing and saving the recursion and n-formula
// objects on the headless front, and reading their records back.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "base/chain.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "objects/fumultibranch.h"
#include "objects/furekur.h"
#include "objects/install.h"
#include "objects/libfile.h"
#include "objects/librarylist.h"
#include "objects/slotcomp.h"
#include "platform/core/files.h"
#include "tests/objects/contextrun.h"
#include "tests/objects/sittings.h"
#include "tests/screen/plainrow.h"

namespace {

// What a run left: the saved library, values of a calling formula, the
// record read back and written again.
struct sitting {
    std::string saved, again;
    std::vector<double> values;
    std::string components;
    hostrun run;
};

// The value of formula (letters x) at x, compiled against the context.
double callvalue(const char* formula, double x)
{
    parser p;
    p.compile(formula, "x", 1);
    shared.error = 0;
    return p.calc(&x);
}

// Saves the context and reads the library back into a fresh list,
// giving what that list writes.
void saveandreread(sitting& s)
{
    ASSERT_TRUE(savecontext());
    std::string path = workdirectory() + "/DESKTOP.LIB";
    loadfile(path, s.saved);
    chain list;
    readlib(path, list, nullptr);
    std::ostringstream out;
    for (listnode* n = list.head; n; n = n->next)
        static_cast<fu1*>(n)->save(out);
    s.again = out.str();
    while (listnode* n = list.head) {
        list.head = n->next;
        delete static_cast<fu1*>(n);
    }
}

std::string texts(const fumultibranch& f)
{
    std::string all;
    for (slotcomp* c : f.components)
        all += std::string(c->formula()) + "|";
    return all;
}

// The components' spare parser would keep the shared state to the next
// test, which then opens no context of its own.
struct loopbranchinstall : ::testing::Test {
    void TearDown() override { slotcomp::dropspare(); }
};

}  // namespace

TEST_F(loopbranchinstall, RecursionInstalledCalledEditedAndSaved)
{
    sitting s;
    // Newton's method; the while condition and the limit take their
    // defaults.  Then the edit makes the evaluation part give 2x.
    s.run = incontext("rroot(a)<Enter>#static x; x = a<Enter><Enter>x = (x + a/x)/2<Enter>"
                      "LE(abs(x*x - a), 1e-15*a)<Enter>x<Enter><Enter><dump installed>k<Esc>"
                      "<End><Up><Up><Up><Up><Up><Up><dump editor>e<End>*2<Enter><Enter>1",
                      [&] {
                          auto* f = dynamic_cast<furekur*>(installobject());
                          ASSERT_TRUE(f);
                          for (double x : {2.0, 9.0, 0.01})
                              s.values.push_back(callvalue("root(x)", x));
                          f->edit();
                          s.values.push_back(callvalue("root(x)", 2));
                          saveandreread(s);
                      });
    ASSERT_EQ(s.run.status, 0) << s.run.out;
    EXPECT_NE(plainfile(s.run.out + "/installed.txt").find("The object has been installed."), std::string::npos);
    ASSERT_EQ(s.values.size(), 4u);
    EXPECT_NEAR(s.values[0], std::sqrt(2.0), 4e-16);
    EXPECT_EQ(s.values[1], 3);
    EXPECT_NEAR(s.values[2], 0.1, 2e-17);
    EXPECT_NEAR(s.values[3], 2 * std::sqrt(2.0), 8e-16);
    const std::string record =
        "@@FUREKUR\nroot\n1\n1\n@DATA\n@ARGS\na\n@@VARMAN\n";
    EXPECT_EQ(s.saved.substr(0, record.size()), record) << s.saved;
    EXPECT_NE(s.saved.find("@INI\n#static x; x = a\n@WHILE\n1\n@BODY\nx = (x + a/x)/2\n@UNTIL\n"
                           "LE(abs(x*x - a), 1e-15*a)\n@EVAL\nx*2\n@ITERMAX\n0\n@@END FUREKUR\n"),
              std::string::npos)
        << s.saved;
    EXPECT_EQ(s.again, s.saved);
}

// Five branches and a default, then edited through both transfer
// clipboards, a deletion, an insertion and a refused append.  Component
// p of the editor starts on line 5 + 3 (p - 1).
TEST_F(loopbranchinstall, NformulaInstalledAndEditedThroughTheClipboards)
{
    sitting s;
    std::string down7 = "<Down><Down><Down><Down><Down><Down><Down>", down3 = "<Down><Down><Down>",
                up3 = "<Up><Up><Up>";
    std::string keys =
        "3st(x)<Enter>LT(x, 1)<Enter>10<Enter>+LT(x, 2)<Enter>20<Enter>+LT(x, 3)<Enter>30<Enter>"
        "+LT(x, 4)<Enter>40<Enter>+LT(x, 5)<Enter>50<Enter>d99<Enter>k<Esc>"
        // Action 1 into the action clipboard; the condition clipboard is
        // still empty over condition 2.
        "<Home>" + down7 + "<S-F10>" + down3 + "<F10><dump empty>k" +
        // Action 4 overwritten with action 1.
        down3 + down3 + down3 + down3 + down3 + "<F10><dump overwrite>y" +
        // Branch 2 deleted; what was condition 3 into the clipboard.
        up3 + up3 + up3 + up3 + up3 + "<Del><dump delete>y<S-F10>" +
        // A new branch before branch 1, its condition pasted with F10 and
        // changed.
        "<Home><Down><Down><Down><Down><Ins><dump insert>y<F10><Home><Del><Del><Del><Del><Del><Del><Del><Del>"
        "LT(x, 0)<Enter>-1<Enter>"
        // No branch after the default action.
        "<End><Ins><dump refused>k<dump help>k"
        "<Enter>1";
    s.run = incontext(keys, [&] {
        auto* f = dynamic_cast<fumultibranch*>(installobject());
        ASSERT_TRUE(f);
        s.values.push_back(callvalue("st(x)", 4.5));
        f->edit();
        s.components = texts(*f);
        for (double x : {-0.5, 0.5, 1.5, 2.5, 3.5, 4.5, 7.0})
            s.values.push_back(callvalue("st(x)", x));
        saveandreread(s);
    });
    ASSERT_EQ(s.run.status, 0) << s.run.out;
    auto shows = [&](const char* dump, const char* text) {
        return plainfile(s.run.out + "/" + dump + ".txt").find(text) != std::string::npos;
    };
    EXPECT_TRUE(shows("empty", "Transfer clipboard is empty !"));
    EXPECT_TRUE(shows("overwrite", "Overwrite Action 4 with transfer clipboard contents ?"));
    EXPECT_TRUE(shows("delete", "Delete completely branch 2 ?"));
    EXPECT_TRUE(shows("insert", "You are adding a new branch before branch nr. 1"));
    EXPECT_TRUE(shows("refused", "Cannot append after an existing default branch."));
    EXPECT_TRUE(shows("help", " Help on Inserting Slot Components "));
    EXPECT_EQ(s.components, "LT(x, 0)|-1|LT(x, 1)|10|LT(x, 3)|30|LT(x, 4)|10|LT(x, 5)|50|99|");
    EXPECT_EQ(s.values, (std::vector<double>{50, -1, 10, 30, 30, 10, 50, 99}));
    std::string record = "@@FUMULTIBRANCH\nst\n1\n1\n@DATA\n@ARGS\nx\n";
    for (const char* c : {"LT(x, 0)", "-1", "LT(x, 1)", "10", "LT(x, 3)", "30", "LT(x, 4)", "10", "LT(x, 5)", "50", "99"})
        record += std::string("@COMPONENT\n") + c + "\n";
    record += "@@END FUMULTIBRANCH\n";
    EXPECT_EQ(s.saved, record);
    EXPECT_EQ(s.again, s.saved);
}

namespace {
struct compositeviews : sittings {};
}

// The view pages: heading lines, every component by its label, the comment.
TEST_F(compositeviews, PagesShowEveryComponent)
{
    put("DESKTOP.LIB",
        "@@FUREKUR\nroot\n1\n1\n@@COMMENT\nNewton's square root\n@@END COMMENT\n@DATA\n@ARGS\na\n@INI\n#static x; x = a\n"
        "@WHILE\n1\n@BODY\nx = (x + a/x)/2\n@UNTIL\nLE(abs(x*x - a), 1e-15*a)\n@EVAL\nx\n@ITERMAX\n100\n@@END FUREKUR\n"
        "@@FUMULTIBRANCH\nst\n1\n1\n@DATA\n@ARGS\nx\n@COMPONENT\nLT(x, 0)\n@COMPONENT\n-1\n@COMPONENT\n1\n"
        "@@END FUMULTIBRANCH\n");
    hostrun run = sitting("<dump recursion><End><dump end><Esc><dump nformula><Esc>", [&] {
        for (int i = 1; i <= context->count; i++)
            static_cast<fu1*>(context->at(i))->show();
    });
    std::string recursion = plainfile(run.out + "/recursion.txt"), nformula = plainfile(run.out + "/nformula.txt");
    for (const char* text : {" Recursion object ", "Function: root(a)", "Initializing part:", "While-condition:",
                             "Until-condition:", "Evaluation part:", "Max. iterations:"})
        EXPECT_NE(recursion.find(text), std::string::npos) << text;
    EXPECT_NE(plainfile(run.out + "/end.txt").find("Newton's square root"), std::string::npos);
    for (const char* text : {"n-Formula Object", "Condition 1:", "Action 1:", "Default Action:"})
        EXPECT_NE(nformula.find(text), std::string::npos) << text;
}
