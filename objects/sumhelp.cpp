#include "objects/sumhelp.h"

#include <cctype>

#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"

namespace {


const char menutext[] =
    "\n This environment allows summation of the current calculator formula. Press \n\r"
    " <M> to change between finite and infinite summation mode. In the latter, \n\r"
    " press <A> to turn convergence acceleration on and off.\n\r"
    " The selected calculator argument is the summation index. It runs as you \n\r"
    " define by setting <F>irst and <S>tep. To start summation, select a \n\r"
    " summation type by pressing \"++\", \"+-\", \"-+\", <c>, <s> or <e>. \"++\" will use \n\r"
    " the formula as is. <c>, <s> and <e> attach a cosine, sine or complex\n\r"
    " rotating factor, before considering <F>irst and <S>tep.  \"+-\" and \"-+\" \n\r"
    " consider <F>irst and <S>tep before attaching alternating signs to the\n\r"
    " resulting sequence. <r>ot and <p>hase are parameters controlling the\n\r"
    " behaviour of summation types <c>, <s> and <e>.\n\r"
    " \"ui\" does automatic installation of a user function encapsulating the\n\r"
    " current selections of the summation menu and its calculator.\n\n\r"
    " There is more information in \"series.wri\" or on one of the following \n\r"
    " screens:\n\n\r"
    " <f> Help on finite summation\n\r"
    " <i> Help on infinite summation\n\r"
    " <u> Help on the installation assistant\n\r";

const char finitetext[] =
    "\n While <M>ode is set to \"finite\", summation runs from <F>irst to <L>ast with \n\r"
    " steps of <S>tep. The last index included is the highest number of this\n\r"
    " progression not exceeding <L>ast. Convergence detection such as in infinite\n\r"
    " summation mode is not used here. Long runs of finite summation can be\n\r"
    " interrupted by pressing <space> at any time, then resumed by pressing\n\r"
    " <enter>. \n";

const char infinitetext[] =
    " \nWhile <M>ode is set to \"infinite\", summation runs until the user interrupts \n\r"
    " with <space> or until convergence is detected. Convergence <A>cceleration \n\r"
    " can be switched on and off. Nonaccelerated infinite summation is the method \n\r"
    " of choice for irregular series or series with rapid (=geometric) \n\r"
    " convergence. With slow or with no convergence, it can be used to watch the \n\r"
    " ongoing display of partial sums. Convergence is assumed after a number of \n\r"
    " elements have been added without affecting the result.\n\n\r"
    " Press <F1> for help on convergence acceleration.\n\r";

const char acceltext[] =
    "\n Convergence acceleration is suitable for convergent series only. It is an \n\r"
    " algorithm to create instant full precision results of the limits of series \n\r"
    " whose convergence is too slow to be waited for (such as 1/(n*n)). The\n\r"
    " formula should define a sequence of only positive numbers, converging\n\r"
    " toward zero in a regular manner called \"complete monotony\". Acceleration\n\r"
    " fails with series of a less regular makeup. If the algorithm works for\n\r"
    " \"++\", it can be applied to each of the other summation types (\"+-\", \"-+\",\n\r"
    " <c>, <s> and <e>) as well. With \"++\", a certain minimum convergence speed\n\r"
    " is needed, corresponding roughly to that on n^(-1.05). Also, the sequence\n\r"
    " element must be implemented without precision loss.\n\r"
    " Use the <m>onotony test to check if the sequence has all these properties\n\r"
    " and if the acceleration results can be trusted. There is plenty of\n\r"
    " information concerning acceleration and complete monotony in \"series.wri\".\n";

const char installtext[] =
    "\n The current calculator formula, together with the settings of the summation \n\r"
    " menu, is defining a parameter dependent infinite sum. \"ui\" will let you \n\r"
    " install it as a user function. The function arguments will be the \n\r"
    " nonselected calculator arguments. The summation menue settings will be \n\r"
    " incorporated as constants, with the possible exception of 'rot' and \n\r"
    " 'phase', which in summation types 's', 'c' and 'e' can be set up as extra \n\r"
    " arguments. The summation type will be as under the blue bar.\n\r"
    " The \"installation assistant\" is the only way of creating a user defined \n\r"
    " infinite sum. It is foolproof, but does not unlock the full potential of \n\r"
    " this function class. If you need more flexibility, you can later edit the \n\r"
    " user function, and render variable the constant parts by introducing \n\r"
    " additional arguments.\n\r"
    " Before giving the \"ui\" command, you should\n\r"
    " - make sure the summation index is the selected calculator argument and the \n\r"
    "   menue settings are as they should later be in the user function \n\r"
    " - perform a test computation, if only to place the blue bar correctly.\n\r";

const char monotonytext[] =
    "\n This window shows a graphic display of the sign pattern of the given \n\r"
    " sequence's difference scheme, where '+' is painted green and '-' red. \n\r"
    " The difference scheme arises from the first 100 sequence elements, of the \n\r"
    " sequence defined by the current calculator formula in combination with\n\r"
    " <F>irst and <S>tep.\n\r"
    " Complete Monotony, as required by the convergence accelerator, shows itself \n\r"
    " as a broad green area covering the upper diagram edge. It may be followed \n\r"
    " further down by an area of vertical red bars, indicating the zone of \n\r"
    " total precision loss. Any other red patterns, as well as areas of solid \n\r"
    " red, are a strong indication against complete monotony.\n\n\r"
    " For more on the difference scheme and for examples, see \"series.wri\".\n\r";

const char interrupttext[] =
    " You have interrupted the summation process. In the upper screen section, \n\r"
    " the settings of the current run can still be seen, with the blue bar \n\r"
    " indicating the active summation type. If <enter> is pressed, the summation \n\r"
    " continues, and the display intervals readapt to the computation speed. \n\r"
    "   After leaving with <esc>, you can always come back with <enter> and \n\r"
    " resume summation, even after closing and reopening the Summation Menu. \n\r"
    " However, all data is erased once you use a different summation type, change \n\r"
    " the settings, or press <0> from here. <b> will let you set an index as\n\r"
    " breakpoint to trigger automatic, instead of manual, interruption.";

// One screen in message style 3; the key that closed it, in lower case.
// Some screens keep the host's help item disabled while they are open.
int screen(const char* caption, const char* text, bool nohelpitem = false)
{
    if (nohelpitem)
        menus().disable(helpmenuitem);
    msgstyle(3);
    setboxtitle(caption);
    int k = msgbox(text);
    if (nohelpitem)
        menus().setmode();
    return k > 0 && k < 256 ? std::tolower(k) : k;
}

void accelhelp()
{
    screen(" Help on Convergence Acceleration ", acceltext, true);
}

void infinitehelp()
{
    if (screen(" Help on infinite Summation ", infinitetext) == key::f1)
        accelhelp();
}

}  // namespace

void summenuhelp()
{
    switch (screen(" Help on the Summation Menu ", menutext)) {
    case 'f':
        screen(" Help on finite Summation ", finitetext, true);
        break;
    case 'i':
    case key::f1:
        infinitehelp();
        break;
    case 'u':
        screen(" Help on the Installation Assistant ", installtext, true);
        break;
    }
}

void monotonyhelp()
{
    screen(" Help on \"Monotony Test\" ", monotonytext);
}

void suminterrupthelp()
{
    screen(" I N F O ", interrupttext, true);
}
