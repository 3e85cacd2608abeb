#include "revolver/reference.h"

#include "objects/edithooks.h"
#include "revolver/cmdkeys.h"
#include "screen/boxsettings.h"
#include "screen/list2way.h"
#include "screen/msgbox.h"
#include "screen/popup.h"
#include "screen/screen.h"
#include "screen/textlist.h"

namespace {

const char* const summary[] = {
    "F1    this help screen",
    "F2    save the local context",
    "F4    context submenu (save as, change, erase foreign, new, files)",
    "F5    calculation notepad",
    "F10   version notice",
    "alt+x quit",
    "",
    " COMPUTING AND FORMULAE",
    "e     input or edit the formula (fe as well)",
    "<enter> implement, input the arguments, compute",
    "x     redefine the argument letters",
    "c     show the RPN code of the formula",
    "I     reimplement and show the component list",
    "v     list the user-defined components",
    "a     activate / inactivate the calculator",
    "dd    switch between direct and Runge-Kutta mode",
    "f9    input the user-defined differential operator",
    "fp    pick up the formula for transfer   fd  drop it",
    "",
    " DISPLAY AND REVOLVER",
    "<left> <right>  turn the revolver",
    "<ins>  insert an empty calculator     <del> delete or close the gap",
    "<ctrl>+<del>  restore the deleted calculator",
    "<up> <down>   move the bar     <pgup> <pgdn>  arguments / values",
    "<tab>  other fastplot or numeric result",
    "d0..d9 display mode: 0 value, 1..3 derivative, 4 curvature,",
    "       8 numeric result, 9 differential operator",
    "F3    fraction recognizer on the value under the bar",
    "",
    " GLOBAL VARIABLES",
    "s     save the value under the bar in a global variable",
    "w     input or edit a variable",
    "W     variable usage reference",
    "oa    arguments as global variables or a pool of their own",
    "",
    " USER DEFINED FUNCTIONS",
    "u+    install the formula as a user function",
    "ui    install a user function",
    "ul    list the local context",
    "ud    user function database",
    "od    compilations with or without the database",
    "",
    "NUMERICS",
    "ii    numeric integration (Romberg)",
    "mi ma minimum, maximum (one-dimensional)",
    "Mi Ma minimum, maximum (n-dimensional)",
    "n0 nn nonlinear equation system (right sides 0 / entered)",
    "r0    zero, extremal point or point of inflection",
    "rf    find a value",
    "z     Monte Carlo run of the formula",
    "+     finite and infinite summation",
    "",
    " FASTPLOTS",
    "<space>  plot menu    <shift>+<space>  recreate the fastplot",
    "<left click>  fastplot commands",
    "",
    " DESIGNER PLOTS",
    "ppn   create a designer plot from the fastplot",
    "pp+   add the fastplot's curve and display   p+  add it",
    "ppl   load the designer plot's window into the fastplot",
    "ppp   designer plot submenu    pp<del>  erase the designer plot",
    "",
    " OPTIONS",
    "or    random seed      ot  text file statistics",
    "oj    auto-jump        op  process priority",
    "og oof oom ooc ook  window tests    ooF  font properties",
    "oo_r  recognizer constants",
    "",
    " BUILT-IN FUNCTIONS",
    "by name, as sin(x) or atn2(x,y); constants without brackets, as pi",
    "a function of several values takes ## behind its name: sort##(3,1,2)",
    "    gives 1, 2, 3, which the formula shows as its values f.1 to f.3",
    "",
    "I   elementary functions",
    "    abs(x)  sgn(x)  sqr(x) square root  cur(x) cube root  quad(x) x*x",
    "    exp(x)  em1(x) exp(x)-1  ln(x)  ln1px(x) ln(1+x)  log(x) base 10",
    "    sin(x)  cos(x)  tan(x)  asn(x)  acs(x)  atn(x)  atn2(x,y) angle",
    "    sinh(x)  cosh(x)  tanh(x)  asnh(x)  acsh(x)  atnh(x)",
    "    floor(x)  ceil(x)  round(x)  trunc(x)  frac(x)  mod(a,b)",
    "    ggt(a,b,...) kgv(a,b,...) greatest common divisor, least multiple",
    "    min(a,b,...)  max(a,b,...)  rand(x) random number",
    "    pi   eul Euler's constant   cata Catalan's constant",
    "",
    "II  additional functions (see also ref3.wri): special functions,",
    "    complex numbers, vectors and matrices",
    "    gam(x) gamma   gam1(x) gam2(x) gam3(x) its derivatives",
    "    lngam(x) ln gamma   fact(x) x!   lnfac(x) ln x!   ncr(n,k)",
    "    psi(x) digamma   psi1(x) psi2(x) psi3(x) its derivatives",
    "    harm(x) harmonic sum   zeta(x)   zm1(x) zeta(x)-1",
    "    phi0(x) error integral   argeo(a,b) arithmetic-geometric mean",
    "    Bj0(x) Bj1(x) Bjn(n,x) By0(x) By1(x) Byn(n,x) Bessel functions",
    "    ellK(k) ellF(phi,k) elliptic integrals   match(a,b) equal digits",
    "    Legendre(x,n) Tsch(x,n) Legendre and Chebyshev polynomials",
    "    Ber(n) Eul(n) Tangent(n) Bernoulli, Euler and tangent numbers",
    "    Binomial(a,b,c,d) Hgeo(a,b,c,d,e) cumulative binomial and",
    "    hypergeometric distributions",
    "    Poly(x,a0,a1,...) Pser(x,...) power series  Tser(x,...) Chebyshev",
    "    Cser(x,...) Sser(x,...) Fser(x,...) cosine, sine, Fourier series",
    "    powersum(...) sympoly(k,...) sympoly2(k,...) symmetric polynomials",
    "    innerprod(a..,b..) norm2(...) dist(a..,b..) det(m11,m12,...)",
    "    nth(k,a,b,...) the k-th of the values after k",
    "    logic (1 true, 0 false): EQ(a,b) NE LT LE GT GE XOR(a,b) NOT(a)",
    "    BOOL(a)  AND(a,b,...) OR(a,b,...)  BTW(a,b,c) a<=b<=c  XBTW(a,b,c)",
    "    a<b<c  LXBTW(a,b,c) a<b<=c  RXBTW(a,b,c) a<=b<c",
    "    several values: sort## reverse## normiere## (unit length)",
    "    plus##(a..,b..) minus##(a..,b..) times##(s,v..) vectors",
    "    solve##(matrix, right side) inv## transpose## mama## (product)",
    "    mavect##(matrix, vector) symevals## symevectors## (symmetric)",
    "    normpoly##(roots) coefficients of the monic polynomial",
    "    complex numbers as pairs (re, im): cPoly## cPser## csolve## cinv##",
    "    cdet## cmama## cmavect## ctranspose## conj## ctimes##",
    "    assume##(...) keeps values for nthass(k)   ntharg(k) k-th argument",
    "    sto(x) stores x, rcl reads it back   ans the last value",
    "    d0 d1 d2 d3 the value and derivatives in a differential operator",
    "    assert(c) domaincheck(c) stop with a report when c fails",
    "    sublevel maxsublevel stackused stackleft   call level and stack",
};

const char* const firsttime =
    "\n You are in the \"revolver\" environment of VEMO. \n\r"
    "\n The program is operated by keys: each calculator of the \n\r"
    " revolver takes a formula with \"e\", computes it with <enter> \n\r"
    " and shows its values; <left> and <right> turn the revolver. \n\r"
    "\n <F10>        version notice \n\r"
    " <alt>+<F1>   help on the list \n\r"
    " <esc>        back to the reference list \n";

void versionnotice()
{
    msgstyle(3);
    msgbox("\n VEMO 0.1 \n\n\r An interactive scientific calculator \n\r and function plotter. \n");
}

}  // namespace

const std::vector<std::string>& referencelines()
{
    static const std::vector<std::string> lines(std::begin(summary), std::end(summary));
    return lines;
}

void firsttimehelp()
{
    for (;;) {
        setpopupheight(0);   // the whole screen, not the list's window
        setpopupwidth(0);
        msgstyle(3);
        setboxtitle(" Help for first Time Users ");
        int k = msgbox(firsttime);
        if (k == cmdkey::f10)
            versionnotice();
        else if (k == cmdkey::altf1)
            showlisthelp();
        else
            return;
    }
}

void masterreference()
{
    pagecolors(161);
    textlisthelphook = firsttimehelp;
    showtextpage(" Master Reference List ", 12, referencelines(), 1, 9);
}

void aboutcmd()
{
    versionnotice();
}
