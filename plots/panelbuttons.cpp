// The button table of the plot panels.
#include "plots/panelbuttons.h"

#include <array>

namespace {

constexpr int keyleft = 331, keyright = 333, keyctrldel = 403, keyhelp = 603, keyleave = 604;
constexpr int keyhome = 327, keyup = 328, keyins = 338, keydown = 336, keyend = 335, keydel = 339;

constexpr std::array<panelbutton, 19> table{{
    {3, panelside::top, 's', "start the printer utility"},
    {4, panelside::top, 'P', "write the transfer file"},
    {5, panelside::top, 'A', "print options"},
    {6, panelside::top, keyleft, "previous plot"},
    {7, panelside::top, keyright, "next plot"},
    {8, panelside::top, '2', "duplicate the plot"},
    {9, panelside::top, keyctrldel, "delete the plot"},
    {10, panelside::top, 'e', "curve editor"},
    {11, panelside::top, 'd', "pen: new curve with the mouse"},
    {12, panelside::top, '+', "next curve"},
    {13, panelside::top, '-', "previous curve"},
    {14, panelside::top, keyhelp, "help mode"},
    {15, panelside::top, keyleave, "leave the plot environment"},
    {21, panelside::side, keyhome, "first perspective"},
    {22, panelside::side, keyup, "previous perspective"},
    {23, panelside::side, keyins, "insert the clipboard perspective, or cut/copy"},
    {24, panelside::side, keydown, "next perspective"},
    {25, panelside::side, keyend, "last perspective"},
    {26, panelside::side, keydel, "delete the perspective"},
}};

}

std::span<const panelbutton> panelbuttons()
{
    return table;
}

int panelbuttonkey(int id)
{
    for (const panelbutton& b : table)
        if (b.id == id)
            return b.key;
    return id >= 16 && id <= 20 ? 0 : -1;
}
