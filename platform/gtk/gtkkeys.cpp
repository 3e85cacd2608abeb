#include "platform/gtk/gtkkeys.h"

#include <gdk/gdk.h>

namespace platform {

namespace {

struct keymap {
    unsigned keyval;
    int vk;
};

// Keys without a character; keypad keys count only when NumLock is off.
constexpr keymap extended[] = {
    {GDK_KEY_Prior, vk::pgup}, {GDK_KEY_KP_Prior, vk::pgup}, {GDK_KEY_Next, vk::pgdn},
    {GDK_KEY_KP_Next, vk::pgdn}, {GDK_KEY_End, vk::end}, {GDK_KEY_KP_End, vk::end},
    {GDK_KEY_Home, vk::home}, {GDK_KEY_KP_Home, vk::home}, {GDK_KEY_Left, vk::left},
    {GDK_KEY_KP_Left, vk::left}, {GDK_KEY_Up, vk::up}, {GDK_KEY_KP_Up, vk::up},
    {GDK_KEY_Right, vk::right}, {GDK_KEY_KP_Right, vk::right}, {GDK_KEY_Down, vk::down},
    {GDK_KEY_KP_Down, vk::down}, {GDK_KEY_Insert, vk::ins}, {GDK_KEY_KP_Insert, vk::ins},
    {GDK_KEY_Delete, vk::del}, {GDK_KEY_KP_Delete, vk::del},
};

// Keys whose character is a control code.
struct controlkey {
    unsigned keyval;
    int vk, ch;
};

constexpr controlkey controls[] = {
    {GDK_KEY_BackSpace, vk::backspace, 8}, {GDK_KEY_Tab, vk::tab, 9},
    {GDK_KEY_ISO_Left_Tab, vk::tab, 9}, {GDK_KEY_Return, vk::enter, 13},
    {GDK_KEY_KP_Enter, vk::enter, 13}, {GDK_KEY_Escape, vk::escape, 27},
};

// Dead keys give their accent at once, as the spacing character.
constexpr keymap deadkeys[] = {
    {GDK_KEY_dead_grave, 0x60}, {GDK_KEY_dead_acute, 0xB4}, {GDK_KEY_dead_circumflex, 0x5E},
    {GDK_KEY_dead_tilde, 0x7E}, {GDK_KEY_dead_diaeresis, 0xA8}, {GDK_KEY_dead_cedilla, 0xB8},
    {GDK_KEY_dead_abovering, 0xB0},
};

int vkofkeyval(unsigned keyval)
{
    unsigned upper = gdk_keyval_to_upper(keyval);
    if ((upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9') || upper == ' ')
        return int(upper);
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12)
        return vk::f1 + int(keyval - GDK_KEY_F1);
    return 0;
}

}  // namespace

keydown gdkkeydown(unsigned keyval, unsigned basekeyval, unsigned state)
{
    keydown k;
    k.shift = state & GDK_SHIFT_MASK;
    k.ctrl = state & GDK_CONTROL_MASK;
    k.alt = state & GDK_MOD1_MASK;
    for (const keymap& e : extended)
        if (e.keyval == keyval) {
            k.vk = e.vk;
            return k;
        }
    for (const controlkey& c : controls)
        if (c.keyval == keyval) {
            k.vk = c.vk;
            k.ch = k.alt || (c.vk == vk::tab && k.shift) ? 0 : c.ch;
            if (k.ctrl && k.ch)
                k.ch = ctrlchar(k.vk, k.ch);
            return k;
        }
    k.vk = vkofkeyval(basekeyval);
    if (k.alt)
        return k;
    for (const keymap& d : deadkeys)
        if (d.keyval == keyval)
            k.ch = d.vk;
    if (!k.ch)
        k.ch = int(gdk_keyval_to_unicode(keyval));
    if (k.ctrl)
        k.ch = ctrlchar(k.vk, k.ch);
    return k;
}

bool gdkmodifierkey(unsigned keyval, bool& shift, bool& ctrl, bool& alt, bool press)
{
    switch (keyval) {
    case GDK_KEY_Shift_L:
    case GDK_KEY_Shift_R:
        shift = press;
        return true;
    case GDK_KEY_Control_L:
    case GDK_KEY_Control_R:
        ctrl = press;
        return true;
    case GDK_KEY_Alt_L:
    case GDK_KEY_Alt_R:
    case GDK_KEY_Meta_L:
    case GDK_KEY_Meta_R:
        alt = press;
        return true;
    }
    return false;
}

}  // namespace platform
