// What the editors and list windows do for the objects: line input,
// the function editor, the identity check after an edit, text pages,
// numeric lists.  The line input and the function editor are in
// objects/funceditor.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class attrlines;
class fu1;

// Keyed line input of at most limit characters titled title, prefilled
// with text; Enter stores the edited line in text.  The key that ended it.
int editline(std::string& text, int limit, const char* title);
// The function editor on the object; true when changes were kept.  The
// kind's own item codes go to command, which answers whether the object
// changed; growable kinds have a variable number of components.
using itemcommand = std::function<bool(int code)>;
bool editfunction(fu1& object, const itemcommand& command = {}, bool growable = false);
// The same for the composite kinds, whose ways out ask with exitchoice.
bool editcomposite(fu1& object, const itemcommand& command, bool growable = false);
// The identity check after an edit (mode 2: counts changed); true when the
// object may keep its identity.
bool endeditcheck(fu1& object, int mode);
// The function editor's caption and one item of its line list.
void seteditcaption(const char* caption);
bool additem(attrlines& lines, int code, const std::string& text);
// A text page over lines; the key that closed it.
int showtextpage(const char* caption, const char* footer, const std::vector<std::string>& lines);
// A text page from column left, row top to the screen's corner, with the
// standard footer footercode.
int showtextpage(const char* caption, int footercode, const std::vector<std::string>& lines, int16_t left,
                 int16_t top);
// The next page's box colours from the colour roles role .. role + 4, its
// list colours from role + 5 .. role + 8.
void pagecolors(int role);
// The numeric list editor over values[0..n-1].
int editnumbers(double* values, int n, const char* caption);
