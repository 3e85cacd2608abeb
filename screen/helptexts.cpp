// The texts of the help topics.
#include "screen/helptopics.h"

namespace {

const helptopic nformula{"On n-Formula Objects", "whelpinstallslotfunc", false,
    "\n An n-formula object is a cascade of branches:\n\r"
    "\n\r"
    "    if      condition 1   then  action 1\n\r"
    "    else if condition 2   then  action 2\n\r"
    "    ...\n\r"
    "    else                        default action\n\r"
    "\n\r"
    " Each branch has a condition and an action formula.\n\r"
    " The conditions are tested in order; the first one\n\r"
    " that is not 0 selects its action, whose values are\n\r"
    " the object's values. A condition must give exactly\n\r"
    " one value. All formulas use the same arguments. \n"};
const helptopic recursion{"On Recursion Objects", "whelpinstallslotfunc", false,
    "\n A recursion object is a loop made of five parts:\n\r"
    "\n\r"
    "    initializing part    run once at the start\n\r"
    "    WHILE condition      tested before each pass\n\r"
    "    body                 run on each pass\n\r"
    "    UNTIL condition      tested after each pass\n\r"
    "    evaluation part      run once at the end\n\r"
    "\n\r"
    " A WHILE condition gives a head-controlled loop, an\n\r"
    " UNTIL condition a foot-controlled one; one of the two\n\r"
    " is mandatory, both together are allowed.\n\r"
    " Each part is a complete formula over the same\n\r"
    " arguments and variables. Only the evaluation part\n\r"
    " may give several values: they are the object's output. \n"};
const helptopic rkcalc{"On Runge-Kutta Calculators", "whelpRKcalculator", true,
    "\n A calculator works in one of two modes:\n\r"
    "\n\r"
    "   direct mode        the formula is evaluated as it is\n\r"
    "   Runge-Kutta mode   the formula is a differential\n\r"
    "                      equation that is integrated\n\r"
    "\n\r"
    " <d><d> switches a calculator between the two modes.\n\r"
    "\n\r"
    " In Runge-Kutta mode the formula is an explicit\n\r"
    " differential equation: it states how the derivative\n\r"
    " of a given order depends on the independent variable,\n\r"
    " on the function and on its lower derivatives.\n\r"
    " Initial values and the order are set in the\n\r"
    " calculator's Runge-Kutta settings. \n"};
const helptopic fastplot{"Help on Fastplots (general)", "whelpfastplot", true,
    "\n Every calculator owns two fastplots: quick plots of\n\r"
    " its values against one argument.\n\r"
    "\n\r"
    " <space> twice creates a fastplot of the calculator.\n\r"
    " The other commands of the <space> menu edit it:\n\r"
    " range, scaling, the argument plotted, colours.\n\r"
    " A fastplot is redrawn whenever its calculator\n\r"
    " changes; a sampled one can be turned into a curve\n\r"
    " of a designer plot. \n"};
const helptopic spacemenu{"Help on the <space> Submenu", "whelpspacemenu", true,
    "\n <shift>+<space>  actualize a grayed or sampled plot in\n\r"
    "                  its window, without leaving the menu\n\r"
    " <space>          create a simple default plot\n\r"
    " <p>              create a parametric plot (calculators\n\r"
    "                  with more than one value)\n\r"
    " <c>              contour plot (not available)\n\r"
    " <1>              promote plot #2 to #1\n\r"
    " <a>              adapt the window to the curve\n\r"
    " <s>              save the window\n\r"
    " <l>              load the saved window\n\r"
    " <e>              edit the plot in detail, or create a\n\r"
    "                  simple plot and enter its window\n\r"
    " <del>            remove the plots\n\r"
    " <S>              statistics of the plot\n\r"
    " <enter>          done; recompute when changed\n\r"
    " <esc>            leave the menu \n"};
const helptopic mouseframe{"On drawing Mouse Frames", "whelpmouseaction", false,
    "\n Hold the left mouse button down over a plot and\n\r"
    " drag: a frame follows the mouse. Hold <shift>,\n\r"
    " <ctrl> or <alt> while dragging to tie the frame's\n\r"
    " proportions to those of the plot.\n\r"
    "\n\r"
    " When you release the button, a panel of four\n\r"
    " buttons appears beside the frame:\n\r"
    "\n\r"
    "    magnify   the framed part fills the window\n\r"
    "    minify    the window shrinks into the frame\n\r"
    "    push      the plot moves by the frame\n\r"
    "    cancel    the frame goes, nothing changes \n"};
const helptopic paraplot{"Help on parametric Plots", "whelpparaplot", true,
    "\n <space><p> starts a parametric plot.\n\r"
    "\n\r"
    " Two values of the calculator are plotted against\n\r"
    " each other: the first gives x, the second y.\n\r"
    " One argument of the formula is the independent\n\r"
    " variable; it runs through its range while the\n\r"
    " point (x, y) draws the curve.\n\r"
    " Choose the two values and the argument when asked. \n"};
const helptopic plotenv{"The Plot Environment", "whelpplot", true,
    "\n Designer plots are made of curves and perspectives.\n\r"
    "\n\r"
    " Curves are made from calculators and fastplots; each\n\r"
    " keeps the mathematical properties it was made with.\n\r"
    " A perspective is a window onto the set of curves:\n\r"
    " its own section of the plane and its own choice of\n\r"
    " the curves shown. A plot holds a chain of them.\n\r"
    "\n\r"
    " Use the buttons of the panel to move between plots\n\r"
    " and perspectives, to edit the curves of the current\n\r"
    " perspective and to print it. Click a button with\n\r"
    " the help cursor for its own help. \n"};
const helptopic printutilbutton{"The VEMDRAW Button   <s>", "whelpplot", true,
    "\n <s> starts the printer utility.\n\r"
    "\n\r"
    " The utility renders plots that were written to\n\r"
    " transfer files, at the printer's resolution, and\n\r"
    " sends them to the printer.\n\r"
    " To print the current perspective use the Print\n\r"
    " button <P>: it writes the transfer file and hands\n\r"
    " it to the utility. \n"};
const helptopic curveselect{"The Curve Selection Buttons   <+>  <->", "whelpplot", true,
    "\n <+> and <-> make the next or the previous visible\n\r"
    " curve the selected one.\n\r"
    "\n\r"
    " The selection matters for the Pen button, which\n\r"
    " makes siblings of the selected curve, and for the\n\r"
    " curve editor, which opens on the selected curve. \n"};
const helptopic gridaxes{"The Grid / Axes Button   <A>", "whelpplot", true,
    "\n <A> sets the default grid and axes options.\n\r"
    "\n\r"
    " They apply to all transfer files written from now on\n\r"
    " until the program ends: whether a grid is drawn,\n\r"
    " whether axes are drawn, and how they are labelled. \n"};
const helptopic horzarrows{"The Horizontal Arrows", "whelpplot", true,
    "\n The horizontal arrows switch to the previous or\n\r"
    " the next plot.\n\r"
    "\n\r"
    " The keys <left> and <right> do the same. \n"};
const helptopic plotdup{"The Plot Duplicate Button   <2>", "whelpplot", true,
    "\n <2> makes an independent copy of the current plot:\n\r"
    " its curves and perspectives are copied, and changes\n\r"
    " to the copy leave the original as it is. \n"};
const helptopic quitbutton{"The Quit Button     <esc>", "whelpplotquit", true,
    "\n <esc> closes the plot window and returns to the\n\r"
    " revolver. The plots stay as they are.\n\r"
    "\n\r"
    " <p><p><p> in the revolver brings you back to them. \n"};
const helptopic editbutton{"The Edit Button    <e>", "whelpplot", true,
    "\n <e> opens the curve editor on the curves of the\n\r"
    " current perspective.\n\r"
    "\n\r"
    " You can change how a curve is drawn and printed.\n\r"
    " Its mathematical properties stay as they were when\n\r"
    " the curve was made: a change of the calculator or\n\r"
    " its formula does not reach an existing curve. \n"};
const helptopic penbutton{"The Pen Button     <d>", "whelpplot", true,
    "\n <d> turns the cursor into a pen. Click a point of\n\r"
    " the plot to create sibling curves of the selected\n\r"
    " Runge-Kutta curve through that point: one curve and\n\r"
    " one with a directional field.\n\r"
    "\n\r"
    " A new curve inherits the selected curve's properties;\n\r"
    " its parameter range is anchored with 0 at the\n\r"
    " clicked point. \n"};
const helptopic plotdelete{"The Plot Delete Button", "whelpplot", true,
    "\n This button deletes the current plot with all its\n\r"
    " curves and perspectives. You are asked first. \n"};
const helptopic printbutton{"The Print Button   <P>", "whelpplot", true,
    "\n <P> prints the current perspective.\n\r"
    "\n\r"
    " Its curves are computed again at the printer's\n\r"
    " resolution and written to a transfer file, which is\n\r"
    " then handed to the printer utility. \n"};
const helptopic windowsymbols{"The numbered Window Symbols", "whelpplot", true,
    "\n Each symbol stands for one perspective of the current\n\r"
    " plot. Numbers are issued in the order perspectives\n\r"
    " are made and are never reused within a plot.\n\r"
    "\n\r"
    " Click a symbol to display its perspective. \n"};
const helptopic vertarrows{"The vertical single arrows", "whelpplot", true,
    "\n The single arrows move the chain of permanent\n\r"
    " perspectives one position up or down. \n"};
const helptopic deletebutton{"The delete Button", "whelpplot", true,
    "\n This button deletes the displayed perspective, also\n\r"
    " when it is the clipboard.\n\r"
    "\n\r"
    " <del> does the same. \n"};
const helptopic vertdoublearrows{"The vertical double Arrows", "whelpplot", true,
    "\n The double arrows move the perspective chain to its\n\r"
    " first or its last position.\n\r"
    "\n\r"
    " <home> and <end> do the same. \n"};
const helptopic cutcopy{"The Cut / Copy Button", "whelpplot", true,
    "\n Cut or copy puts the current perspective on the\n\r"
    " perspective clipboard. Cutting is refused when it\n\r"
    " would leave the chain empty.\n\r"
    "\n\r"
    " To reorder the chain: cut a perspective, move the\n\r"
    " insertion arrow to its new place and insert it. \n"};
const helptopic insertbutton{"The Insert Button", "whelpplot", true,
    "\n Insert puts the perspective on the clipboard into\n\r"
    " the chain at the arrow. \n"};
const helptopic ceview{"The Edit View", "whelpce", false,
    "\n The view of the curve editor shows all curves of\n\r"
    " the perspective.\n\r"
    "\n\r"
    " Enabled curves are drawn in their colours; disabled\n\r"
    " ones are painted white or yellow. The selected\n\r"
    " curve is highlighted; the fields of the editor\n\r"
    " belong to it. \n"};
const helptopic cebuttons{"The + - Buttons", "whelpce", true,
    "\n <+> and <-> select the next or the previous curve\n\r"
    " in the curve editor. A curve whose settings were\n\r"
    " changed is calculated again when needed. \n"};
const helptopic curvedup{"The Curve Duplicate Button", "whelpce", true,
    "\n This button copies the selected curve. Give the copy\n\r"
    " another parameter range or other clippers to show\n\r"
    " other parts of the same curve. \n"};
const helptopic curvedelete{"The Curve Delete Button", "whelpce", true,
    "\n This button removes the selected curve from the plot\n\r"
    " and from all its perspectives.\n\r"
    "\n\r"
    " The remaining curves are numbered again without gaps. \n"};
const helptopic recalc{"The Recalc Button", "whelpce", true,
    "\n This button forces a new calculation of the\n\r"
    " selected curve. \n"};
const helptopic searchbutton{"The Search Button", "whelpce", true,
    "\n This button acquires curves that are registered in\n\r"
    " the plot but not considered in the current\n\r"
    " perspective, so that they can be shown in it. \n"};
const helptopic curvecolor{"The Curve Color", "whelpce", true,
    "\n The colour of the curve. It is the same on the\n\r"
    " screen and on the printout, and in all perspectives. \n"};
const helptopic paramrange{"The Parameter Range", "whelpce", true,
    "\n The range of the curve's parameter.\n\r"
    "\n\r"
    " Parametric curves require it. For simple curves it is\n\r"
    " optional: \"unrestricted\" by default, the curve then\n\r"
    " spans the whole section of the perspective. \n"};
const helptopic resolution{"Resolution", "whelpce", true,
    "\n The number of points evaluated for the transfer\n\r"
    " file. It has no effect on the screen. \n"};
const helptopic pendiameter{"Pen Diameter", "whelpce", true,
    "\n The width of the printed line, in units of about\n\r"
    " 0.01 mm. \n"};
const helptopic clippers{"Clippers", "whelpce", true,
    "\n Clippers cut parts of a curve away.\n\r"
    "\n\r"
    " A curve inherits the clippers of the fastplot that\n\r"
    " created it; they can still be edited or deleted,\n\r"
    " and new ones created.\n\r"
    " Private clippers are copied to sibling curves.\n\r"
    " Shared clippers are not copied: one shared clipper\n\r"
    " acts on all siblings. \n"};
const helptopic statusflags{"The Status Flags", "whelpce", true,
    "\n \"enabled\"  the curve is shown and printed; it is\n\r"
    "            copied into new perspectives.\n\r"
    "\n\r"
    " The other flags tell how the curve was made and\n\r"
    " whether its values must be calculated again. \n"};
const helptopic mappingnumber{"Mapping Number", "whelpce", true,
    "\n A plot may hold several mappings of the plane. The\n\r"
    " mapping number tells which one a curve uses; the\n\r"
    " curve that created the plot has number 1. \n"};
const helptopic romberg{"Numeric Integration in Trace Mode", "romberg", true,
    "\n The integral is computed in blocks of iterations,\n\r"
    " each block doubling the number of function\n\r"
    " evaluations. After each block the precision reached\n\r"
    " is assessed; the run stops at 15 digits. When 10\n\r"
    " blocks pass without reaching them, the records are\n\r"
    " opened to you.\n\r"
    "\n\r"
    " Left column:  the approximations\n\r"
    " Right column: their precisions in digits\n\r"
    "\n\r"
    " <esc> takes the most precise level.\n\r"
    "\n\r"
    " Poles, jumps or steep peaks of the integrand and\n\r"
    " very large intervals cause precision problems:\n\r"
    " split the interval at such points. \n"};

}  // namespace

// help<topic>(holder) shows the topic.
#define HELPTOPIC(topic) \
    void help##topic(infoholder& h) { showhelp(h, topic); }

HELPTOPIC(nformula)
HELPTOPIC(recursion)
HELPTOPIC(rkcalc)
HELPTOPIC(fastplot)
HELPTOPIC(spacemenu)
HELPTOPIC(mouseframe)
HELPTOPIC(paraplot)
HELPTOPIC(plotenv)
HELPTOPIC(printutilbutton)
HELPTOPIC(curveselect)
HELPTOPIC(gridaxes)
HELPTOPIC(horzarrows)
HELPTOPIC(plotdup)
HELPTOPIC(quitbutton)
HELPTOPIC(editbutton)
HELPTOPIC(penbutton)
HELPTOPIC(plotdelete)
HELPTOPIC(printbutton)
HELPTOPIC(windowsymbols)
HELPTOPIC(vertarrows)
HELPTOPIC(deletebutton)
HELPTOPIC(vertdoublearrows)
HELPTOPIC(cutcopy)
HELPTOPIC(insertbutton)
HELPTOPIC(ceview)
HELPTOPIC(cebuttons)
HELPTOPIC(curvedup)
HELPTOPIC(curvedelete)
HELPTOPIC(recalc)
HELPTOPIC(searchbutton)
HELPTOPIC(curvecolor)
HELPTOPIC(paramrange)
HELPTOPIC(resolution)
HELPTOPIC(pendiameter)
HELPTOPIC(clippers)
HELPTOPIC(statusflags)
HELPTOPIC(mappingnumber)
HELPTOPIC(romberg)
