// Dialogs as data: a template of controls with their ids, kinds, labels
// and values, as a resource would give it.  Fronts render any template;
// the dialog's logic stays with its caller.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class controlkind { text, edit, button };

struct dialogcontrol {
    int id = 0;
    controlkind kind = controlkind::text;
    std::string label{};   // text and button caption
    std::string value{};   // edit: the text, in and out
    int limit = 0;       // edit: at most this many characters (0: no limit)
    bool selected = false;   // edit: all of its text selected, with the focus
};

struct dialogtemplate {
    std::string name;    // the resource name
    std::string title;
    std::string fontname;
    std::vector<dialogcontrol> controls;

    dialogcontrol* control(int id)
    {
        for (dialogcontrol& c : controls)
            if (c.id == id)
                return &c;
        return nullptr;
    }
};

}  // namespace platform
