#include "objects/componentmenu.h"

#include <new>

#include "base/objcount.h"
#include "objects/codelist.h"
#include "objects/slotcomp.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"

componentmenu::componentmenu(int16_t n) : capacity(n)
{
    objcount(classnumber);
    entries.reset(n > 0 ? new (std::nothrow) entry[size_t(n)] : nullptr);
    failed = n > 0 && !entries;
}

componentmenu::~componentmenu()
{
    objcount(-classnumber);
}

void componentmenu::add(char key, const char* name, parser* code)
{
    if (!entries || count >= capacity)
        return;
    entries[count++] = {key, name ? name : "", code};
}

void componentmenu::add(char key, const slotcomp* component)
{
    if (component && component->mode == 1 && component->code)
        add(key, component->caption(), component->code);
}

int componentmenu::run()
{
    if (count == 0) {
        msgstyle(1);
        msgbox("\n This object does not possess any code! \n");
        return 0;
    }
    if (count == 1) {
        if (entries[0].code)
            showcode(*entries[0].code);
        return 1;
    }
    msgbuffer menu(0, 0, 0, 0, 2048);
    menu.addf("\n Choose a component: \n\n\r");
    for (int i = 0; i < count; ++i)
        menu.addf(" <%c>   %s \n\r", entries[i].key, entries[i].name.c_str());
    for (;;) {
        setboxtitle(caption.c_str());
        int key = menu.show();
        if (key == key::esc || key == key::enter)
            return key;
        for (int i = 0; i < count; ++i)
            if (entries[i].key == key && entries[i].code)
                showcode(*entries[i].code);
    }
}

bool showslotcode(const slotcomp* component)
{
    if (!component || !component->iscurrent() || component->mode != 1 || !component->code)
        return false;
    return showcode(*component->code);
}
