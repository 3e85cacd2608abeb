// One list of the second names under which the composite kinds know the
// services of the object family, beside the names those services have
// here.  Free functions are forwarded under the second name; members and
// slots cannot be renamed and are only listed.
//
//   second name            here
//   ---------------------  ------------------------------------------------
//   askcomponent           inputcomponent            (objects/install.h)
//   askfunctionname        askname                   (objects/install.h)
//   editorrun              edititemloop              (objects/funceditor.h)
//   editoraddcomponent     additem with componentlabel of the component
//   endeditcheck           endeditcheck              (objects/edithooks.h)
//   viewheader             objectinfolines           (objects/install.h)
//   reportjitfailure       jitfailure                (objects/fu.h)
//   readslotcomponent      readslotcomponent         (objects/compositeslots.h)
//   objnotimplemented      objnotimplemented         (objects/diagshow.h)
//   warnstaticundefined .. warnunusedtyped            (objects/usagewarnings.h)
//   fu1::setchange         fu1::setmark
//   fu slot nvalues        fu::countvalues
//   fu slot calc           fu::calcx
//   fu slot fingerprint    fu::recordfingerprint
//   fu slot hascode        fu::listcode
//   fu1 slot runedit       fu1::restoreedit          (restore with replace)
//   fu1 slot endedit       fu1::commitedit
#pragma once

#include <string>

#include "objects/diagshow.h"
#include "objects/edithooks.h"
#include "objects/fu.h"
#include "objects/funceditor.h"
#include "objects/install.h"
#include "objects/slotcomp.h"

class attrlines;
class fu1;
class linelist;

inline bool askcomponent(slotcomp* component)
{
    return inputcomponent(component, nullptr, nullptr);
}

inline bool askfunctionname(fu1& object)
{
    return askname(object, nullptr);
}

inline int editorrun(fu1& object, attrlines& lines)
{
    return edititemloop(object, lines);
}

// "<label>: " and the formula of a component, as the editor and the view
// pages show it.
inline std::string componentlabel(const slotcomp* component)
{
    return std::string(component->label ? component->label : "") + ": \n\r " + component->formula() + "\n\n\r";
}

inline bool editoraddcomponent(attrlines& lines, int code, const slotcomp* component)
{
    return additem(lines, code, componentlabel(component));
}

inline void viewheader(const fu1& object, linelist& lines)
{
    objectinfolines(object, lines);
}

inline void reportjitfailure(fu* object)
{
    jitfailure(object);
}
