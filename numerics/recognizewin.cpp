// The recognizer's result window, its commands on a calculator and in the
// notepad, and the test command that sets its constants.
#include <algorithm>
#include <string>

#include "calculator/calculator.h"
#include "numerics/recognizer.h"
#include "numerics/toolcmds.h"
#include "objects/contextlist.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/clipboard.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/list2way.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {
// Shift-F5 .. Shift-F9: copy to text clipboard 1 .. 5.
constexpr keycode shiftf5 = 344, shiftf9 = 348;

constexpr const char* recognizerhelp =
    "\n This is the recognizer window. It shows a number of possible symbolic \n\r representations of the input "
    "constant displayed in the box title. They \n\r include fractions, integers and quadratic irrationals (anything of "
    "the \n\r form P+-sqr(Q) where P and Q are rational). The right side shows the sig- \n\r nificance of the "
    "representation and its precision of matching the input. \n\r The higher the significance, the more likely does "
    "the representation \n\r offer the true mathematical value of whatever you have calculated. Values \n\r of 4.0 and "
    "above are rarely accidental. \n\n\r <shift>+<F5>..<F9> will copy the representation under the bar to one \n\r of "
    "five textclipboards, for retrieval in the editor by <F5>..<F9>.\n";

class resultwindow : public list2way {
public:
    explicit resultwindow(const std::vector<recresult>& found)
        : list2way(1, 6, int16_t(screencols()), int16_t(std::min<int>(screenrows(), 7 + int(found.size()))), 1,
                   int32_t(found.size())),
          results(found)
    {
    }
    void formatline() override
    {
        const recresult& r = results[size_t(current - 1)];
        linef(" %-63s  %5.1f %5.1f ", representation(r, false).c_str(), r.significance, r.precision);
    }
    // F1 is the window's own help, not the general list help.
    void filterkey(int&) override {}
    void otherkey(int& key) override
    {
        if (key == key::f1) {
            infohelp(recognizerhelp, 0, 0);
        } else if (key >= shiftf5 && key <= shiftf9) {
            std::string text = representation(results[size_t(current - 1)], true);
            textclipboard(key - shiftf5 + 1).clipset(text.c_str(), int32_t(text.size()));
        }
    }

private:
    const std::vector<recresult>& results;
};

recognizer& programrecognizer()
{
    static recognizer rec;
    return rec;
}
}

void recognizevalue(double value)
{
    recognizer& rec = programrecognizer();
    if (rec.failed)
        return;
    const recsettings& s = recognizersettings();
    const std::vector<recresult>& found = rec.run(value, s.maxsig, s.ilimit, s.flimit);
    if (found.empty()) {
        tell("\n Found no possible representation of %.16g ! \n", value);
        return;
    }
    char title[80];
    snprintf(title, sizeof title, " Possible Representations of %.16g ", value);
    setboxtitle(title);
    setfootertext(" Press <F1> for help ");
    resultwindow window(found);
    window.showtop();
    window.run();
}

void recognizecalc(calculator& c)
{
    if (!c.isempty() && (c.fixed || c.status == calcstatus::valid)) {
        recognizevalue(c.shownvalue());
        return;
    }
    msgstyle(1);
    tell("\n Analysis of actual argument / value: \n\r Requires an implemented formula ! \n");
}

void recognizerconstants()
{
    int k = tell("\n Set undocumented constants of class recognizer (y/n) ? \n\r");
    if (k != 'y')
        return;
    recsettings& s = recognizersettings();
    const recsettings defaults;
    boxframe box(10, 8, int16_t(screencols() - 10), 20);
    clrwindow(0);
    struct {
        const char* prompt;
        double fallback;
        double* setting;
    } rows[] = {{"maxsig (Default=%g,  previous value=%g)\n\r", defaults.maxsig, &s.maxsig},
                {"\nilimit (Default=%g,  previous value=%g)\n\r", defaults.ilimit, &s.ilimit},
                {"\nflimit (Default=%g,  previous value=%g)\n\r", defaults.flimit, &s.flimit}};
    for (const auto& r : rows) {
        cprintf(r.prompt, r.fallback, *r.setting);
        double v = numberbox(*r.setting, nullptr);
        if (inputstate == inputstates::cancelled)
            return;
        if (inputstate == inputstates::taken)
            *r.setting = v;
    }
}
