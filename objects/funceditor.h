// The function editor: the object's items in a list box, each picked and
// edited, a test implementation, and on leaving the choice to keep or
// discard the changes.  The kind gives its caption, its item lines and
// the handling of its own item codes.
#pragma once

#include "objects/attrlines.h"

class fu1;

// Item codes of the lines every kind has.
namespace itemcode {
constexpr int name = 2, context = 3, comment = 10, arguments = 65, formula = 70;
// Sent to the kind's own command after the argument list changed.
constexpr int argsedited = -1;
}

// The list box over the item lines, placed in the lines' bounds; the code
// of the key that ended it (the item code for "e" and the space bar); 0
// when the box cannot be made.
int buildeditlist(attrlines& lines);
// Runs the list until a result the kind has to handle; the editor's own
// items (name, context, comment, test implementation) are done here.
int edititemloop(fu1& object, attrlines& lines);
// The item code of the line under the bar when the loop last returned.
uint32_t editoritem();
