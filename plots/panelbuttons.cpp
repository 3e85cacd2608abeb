// The button buttons of the plot panels.
#include "plots/panelbuttons.h"

#include <array>

#include "plots/plotkeys.h"

namespace {

constexpr std::array<panelbutton, 19> buttons{{
    {3, panelside::top, 's', "start the printer utility"},
    {4, panelside::top, 'P', "write the transfer file"},
    {5, panelside::top, 'A', "print options"},
    {6, panelside::top, plotkey::left, "previous plot"},
    {7, panelside::top, plotkey::right, "next plot"},
    {8, panelside::top, '2', "duplicate the plot"},
    {9, panelside::top, plotkey::ctrldel, "delete the plot"},
    {10, panelside::top, 'e', "curve editor"},
    {11, panelside::top, 'd', "pen: new curve with the mouse"},
    {12, panelside::top, '+', "next curve"},
    {13, panelside::top, '-', "previous curve"},
    {14, panelside::top, plotkey::help, "help mode"},
    {15, panelside::top, plotkey::quit, "leave the plot environment"},
    {21, panelside::side, plotkey::home, "first perspective"},
    {22, panelside::side, plotkey::up, "previous perspective"},
    {23, panelside::side, plotkey::ins, "insert the clipboard perspective, or cut/copy"},
    {24, panelside::side, plotkey::down, "next perspective"},
    {25, panelside::side, plotkey::end, "last perspective"},
    {26, panelside::side, plotkey::del, "delete the perspective"},
}};

}

std::span<const panelbutton> panelbuttons()
{
    return buttons;
}

int panelbuttonkey(int id)
{
    for (const panelbutton& b : buttons)
        if (b.id == id)
            return b.key;
    return id >= 16 && id <= 20 ? 0 : -1;
}
