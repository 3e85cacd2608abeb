// The composite kinds installed, edited and shown through their dialogues
// on the headless front.
#include <gtest/gtest.h>

#include <string>

#include "base/chain.h"
#include "formula/evalstate.h"
#include "objects/context.h"
#include "objects/fuconditional.h"
#include "objects/fufinitsum.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "tests/objects/contextrun.h"
#include "tests/screen/plainrow.h"

namespace {

struct installed {
    std::string record;
    double value = -1;
    int count = 0;
    hostrun run;
};

// Installs with keys and evaluates the object at args.
installed install(const std::string& keys, std::vector<double> args)
{
    installed d;
    d.run = incontext(keys, [&] {
        fu1* f = installobject();
        d.count = localobjects ? localobjects->count : 0;
        if (!f)
            return;
        std::ostringstream out;
        f->save(out);
        d.record = out.str();
        args.resize(limits::arglistlength + 1);
        shared.error = 0;
        d.value = f->tcalc(args.data());
        slotcomp::dropspare();
    });
    EXPECT_EQ(d.run.status, 0) << keys;
    return d;
}

bool shows(const hostrun& run, const char* dump, const char* text)
{
    return plainfile(run.out + "/" + dump + ".txt").find(text) != std::string::npos;
}

}  // namespace

TEST(compositeinstall, finitesumthroughitsdialogue)
{
    installed d = install("sfs(n)<Enter><dump term>k^2<Enter><dump index>k1<Enter>n<Enter>1<Enter><dump done>k<Esc>",
                          {10});
    EXPECT_EQ(d.count, 1);
    EXPECT_EQ(d.value, 385);
    EXPECT_EQ(d.record, "@@FUFINITSUM\nfs\n1\n1\n@DATA\n@ARGS\nn\n@SUMVAR\nk\n@STARTAT\n1\n@STOPAT\nn\n"
                        "@INCREMENT\n1\n@SUMMAND\nk^2\n@@END FUFINITSUM\n");
    EXPECT_TRUE(shows(d.run, "term", "term of summation ?"));
    EXPECT_TRUE(shows(d.run, "index", "Which character will be used as the summation index ?"));
    EXPECT_TRUE(shows(d.run, "done", "The object has been installed."));
}
