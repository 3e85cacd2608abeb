// Installing, editing, showing and listing a Runge-Kutta function.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/report.h"
#include "calculator/furk.h"
#include "calculator/rk.h"
#include "calculator/rkdialog.h"
#include "calculator/rknames.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "objects/comment.h"
#include "objects/compositeparts.h"
#include "objects/componentmenu.h"
#include "objects/context.h"
#include "objects/edithooks.h"
#include "objects/funceditor.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/lineeditor.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {

// A count from 1 to high asked in the input window until it fits; false
// on Esc.
bool askshapecount(const char* prompt, int high, uint16_t& value)
{
    for (;;) {
        double v = numberbox(1, prompt);
        if (lastinputkey == key::esc)
            return false;
        if (v >= 1 && v <= high && v == int(v)) {
            value = uint16_t(v);
            return true;
        }
        clrwindow(0);
        cprintf("\n\rExpecting a value between 1 and %d. Repeating input:\n\n\r", high);
    }
}

// The editor's lines of the equation after its shape.
std::string equationtext(const RK& solver)
{
    return "\n\rEquation: f" + std::string(solver.shape.order, '\'') + " = ...\n\r " +
           (solver.formula ? solver.formula : "") + "\n\n\r";
}

std::string startvaluetext(const RK& solver, const valtable& table)
{
    std::string text;
    for (size_t i = 0; i < solver.statelength(); i++) {
        char line[80];
        std::snprintf(line, sizeof line, "%s = %.15g\n\r", rkcolname(int(i), solver.shape, 4).c_str(),
                      table.startvector[i]);
        text += line;
    }
    return text;
}

std::string returnedtext(const furk& f)
{
    if (f.returnorder >= f.solver->shape.order)
        return "Derivatives returned: all \n\r";
    char text[60];
    std::snprintf(text, sizeof text, "Derivative returned: of order %d \n\r", f.returnorder);
    return text;
}

bool editstartvalues(furk& f)
{
    return editstartvalues(f.table->startvector, f.solver->shape);
}

// A new order or number of values for the equation; false when unchanged.
bool editshape(furk& f, bool order)
{
    rkshape& s = f.solver->shape;
    uint16_t& field = order ? s.order : s.dimension;
    uint16_t v = field;
    if (!askcount(order ? " Order of Differential Equation ? " : " Number of values of Differential Equation ? ",
                  "\n Not accepted. Expecting a number between 1 and %d. \n",
                  order ? rkshape::maxorder : rkshape::maxdimension, v) ||
        v == field)
        return false;
    field = v;
    if (v != 1)
        s.arclength = false;
    f.table->setsize(uint32_t(s.statelength()));
    f.solver->invalidate();
    if (f.returnorder > s.order)
        f.returnorder = 0;
    return true;
}

// A new independent variable: outside arclength mode it takes the place
// of the old one among the arguments unless it is an argument already; in
// arclength mode it must not be one of the other arguments.  False when
// unchanged or refused.
bool editindependent(furk& f)
{
    rkshape& s = f.solver->shape;
    std::string title = std::string(" Independent Variable (currently: \"") + s.independent + "\") ";
    int k;
    do {
        setboxtitle(title.c_str());
        msgstyle(3);
        k = msgbox("\nWhich character should be used as independent variable ?\n\rPress the corresponding key please !\n\r");
    } while (k > 0 && k != key::esc && !(k < 128 && std::isalpha(k)));
    if (k <= 0 || k == key::esc || k == s.independent)
        return false;
    char* old = std::strchr(f.argletters, s.independent);
    bool argument = std::strchr(f.argletters, k) != nullptr;
    const char* refusal = nullptr;
    if (s.arclength && argument)
        refusal = "\n In Arclength Mode, the independent variable must not \n\r occur in the argument list ! \n\r";
    else if (!s.arclength && !argument && !old)
        refusal = "\n The independent variable must occur in the argument list. \n\r Change the argument list, first ! \n";
    if (refusal) {
        report(reportkind::error, refusal, " Not accepted ");
        return false;
    }
    if (old && (s.arclength || !argument))
        *old = char(k);
    s.independent = char(k);
    f.solver->invalidate();
    return true;
}

// The equation's formula in a line editor; false when unchanged.
bool editequation(RK& solver)
{
    std::string text = solver.formula ? solver.formula : "";
    if (editline(text, limits::formulalength, " Edit formula ") != key::enter || text.empty() ||
        text == (solver.formula ? solver.formula : ""))
        return false;
    return solver.setformula(text.c_str());
}

}  // namespace

bool furk::makeslots()
{
    if (nargs == 0) {
        report(reportkind::error, "\nRunge Kutta Functions need a nonempty argument list.\n\rInstallation is aborted.\n",
               " E R R O R ", anykeyfooter);
        return false;
    }
    rkshape shape;
    if (!askshapecount("Order of Differential Equation ?", rkshape::maxorder, shape.order) ||
        !askshapecount("Dimension (=number of equations) ?", rkshape::maxdimension, shape.dimension))
        return false;
    shape.independent = argletters[0];
    if (nargs > 1) {
        cprintf("Which argument is used as 'independent variable' ?\n\rPress the corresponding key, please\n\r");
        for (;;) {
            int k = getkey();
            if (k == key::esc)
                return false;
            if (k > 0 && k < 128 && std::isalpha(k) && std::strchr(argletters, k)) {
                shape.independent = char(k);
                break;
            }
            cprintf("%c cannot be chosen. Allowed are any of \n\r%s.\n\rRepeating input:\n\n\r", k > 31 && k < 127 ? k : '?',
                    argletters);
        }
    }
    RK* rk = new (std::nothrow) RK;
    std::shared_ptr<valtable> values(rk ? new (std::nothrow) valtable(uint32_t(shape.statelength())) : nullptr);
    if (!rk || !values) {
        delete rk;
        return false;
    }
    rk->shape = shape;
    adopt(rk, values);
    slotcomp equation;
    equation.owner = this;
    equation.description = "Formula of Differential Equation";
    if (!inputcomponent(&equation, nullptr, nullptr) || !solver->setformula(equation.formula()))
        return false;
    delete initial;
    if (!(initial = new (std::nothrow) slotcomp))
        return false;
    initial->owner = this;
    labelinitial(initial);
    cprintf("\n\rThe initial values can be either contant or computed\n\rat runtime. Should they be constant ? (y/n)\n\r");
    int k = getkey();
    if (k == key::esc)
        return false;
    runtime = k != 'y' && k != 'Y';
    return runtime ? inputcomponent(initial, nullptr, nullptr) : editstartvalues(*this);
}

void furk::edittitle()
{
    seteditcaption(" Edit a Runge-Kutta Function ");
}

bool furk::edititems(attrlines& lines)
{
    if (!complete())
        return false;
    const rkshape& s = solver->shape;
    char order[40], values[40], arclength[40], independent[40];
    std::snprintf(order, sizeof order, "Order     = %d\n\r", s.order);
    std::snprintf(values, sizeof values, "Dimension = %d\n\r", s.dimension);
    std::snprintf(arclength, sizeof arclength, "Arclength Mode: %s\n\r", s.arclength ? "on" : "off");
    std::snprintf(independent, sizeof independent, "Independent Variable: %c\n\r", s.independent);
    bool ok = additem(lines, 'o', order) && additem(lines, 'd', values) && additem(lines, 'a', arclength) &&
              additem(lines, 'X', independent) && additem(lines, 'F', equationtext(*solver)) &&
              additem(lines, 'D', returnedtext(*this));
    if (runtime)
        return ok && additem(lines, 'j', "\n - The initial values are computed at runtime - \n\n\r") &&
               additem(lines, 'I', std::string("by this formula: \n\r ") + initial->formula() + "\n\n\r");
    return ok && additem(lines, 'j', "\n - The initial values are constants - \n\n\r") &&
           additem(lines, 'I', startvaluetext(*solver, *table));
}

void furk::dropkept()
{
    delete keptinitial;
    delete keptsolver;
    keptinitial = nullptr;
    keptsolver = nullptr;
    kepttable.reset();
}

bool furk::beginedit()
{
    if (!complete())
        return false;
    slotcomp* formula = new (std::nothrow) slotcomp(initial);
    std::shared_ptr<valtable> values(new (std::nothrow) valtable(*table));
    RK* rk = new (std::nothrow) RK;
    if (!formula || formula->failed || !values || !rk || !fu1::beginedit()) {
        delete formula;
        delete rk;
        return false;
    }
    dropkept();
    keptinitial = initial;
    keptsolver = solver;
    kepttable = table;
    keptruntime = runtime;
    keptreturnorder = returnorder;
    initial = formula;
    initial->owner = this;
    labelinitial(initial);
    solver = nullptr;
    table.reset();
    adopt(rk, values);
    rk->assign(*keptsolver);
    return true;
}

bool furk::restoreedit(uint8_t withparser)
{
    runtime = keptruntime;
    returnorder = keptreturnorder;
    if (withparser) {
        delete initial;
        delete solver;
        initial = keptinitial;
        solver = keptsolver;
        table = std::move(kepttable);
        keptinitial = nullptr;
        keptsolver = nullptr;
    } else {
        initial->assign(keptinitial);
        solver->assign(*keptsolver);
    }
    // The own store is replaced: no parser may keep the one it deletes.
    if (solver->myparser)
        solver->myparser->vars = nullptr;
    if (initial->code)
        initial->code->vars = nullptr;
    fu1::restoreedit(withparser);
    adopt(solver, table);
    if (solver->myparser && withparser)
        solver->myparser->vars = ownvars;
    if (!withparser)
        stamp = 0;
    return false;
}

bool furk::commitedit()
{
    dropkept();
    return fu1::commitedit();
}

bool furk::editcommand(int code)
{
    switch (code) {
    case itemcode::argsedited:
        if (!std::strchr(argletters, solver->shape.independent)) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "\n You need to change the independent variable \"%c\", too, \n\r since it has to be one of the arguments! \n\r",
                          solver->shape.independent);
            report(reportkind::message, text, " W A R N I N G ");
        }
        return false;
    case 'D':
        if (solver->shape.order == 1) {
            report(reportkind::message, "\n \"Derivative returned\" must be 0 for an equation of order 1 ! \n\r");
            return false;
        }
        returnorder = returnorder >= solver->shape.order ? 0 : returnorder + 1;
        break;
    case 'F':
        if (!editequation(*solver))
            return false;
        break;
    case 'o':
    case 'd':
        if (!editshape(*this, code == 'o'))
            return false;
        break;
    case 'X':
        if (!editindependent(*this))
            return false;
        break;
    case 'I':
        if (runtime ? !initial->edit() : !editstartvalues(*this))
            return false;
        table->reset();
        break;
    case 'j':
        if (runtime) {
            runtime = 0;
        } else {
            std::string text;
            for (size_t i = 0; i < solver->statelength(); i++) {
                char number[40];
                std::snprintf(number, sizeof number, "%s%.15g", i ? "," : "", table->startvector[i]);
                text += number;
            }
            if (text.size() > size_t(limits::formulalength)) {
                text.clear();
                for (size_t i = 0; i < solver->statelength() && 2 * i + 1 <= size_t(limits::formulalength); i++)
                    text += i ? ",0" : "0";
            }
            initial->settext(text.c_str());
            runtime = 1;
        }
        break;
    default:
        return false;
    }
    clearimplemented(this);
    countvalues();
    return true;
}

int furk::edit()
{
    newversion();
    return editcomposite(*this, [this](int code) { return editcommand(code); });
}

int furk::show()
{
    if (!complete())
        return key::esc;
    std::vector<std::string> lines;
    lines.push_back(rkdescription(solver->shape, solver->formula) + "\n\n\r");
    if (runtime)
        lines.push_back(std::string("Initial values by this formula: \n\r ") + initial->formula() + "\n\n\r");
    else
        lines.push_back("Initial Values: \n\r" + startvaluetext(*solver, *table) + "\n\r");
    lines.push_back(returnedtext(*this));
    return showcomposite(*this, longname(), lines);
}

bool furk::listcode()
{
    if (!isimplemented() || !complete()) {
        msgbox("The object is not implemented !");
        return false;
    }
    componentmenu menu(2);
    if (menu.failed)
        return false;
    menu.caption = displayname(this);
    if (runtime)
        menu.add('i', initial);
    menu.add('d', "Differential Equation Formula", solver->myparser);
    return menu.run() != 0;
}
