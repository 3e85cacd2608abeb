// The script of the headless front: UTF-8 text, one item after another.
// Line breaks are ignored; "<<" is a literal "<"; other text is typed one
// character per key.  Items in angle brackets: named keys
// <[S-][C-][A-]NAME>, <key N>, mouse items, <busy> ... </busy>,
// <menu ID>, <close>, <dump NAME>, the answers to native boxes, and for the
// newest open info window <info close> (its close button) or <info NAME>
// (a named key typed into it).  A mouse item acts when the program waits
// for a key or reads a mouse button; reading the position takes none.
#pragma once

#include "platform/core/front.h"
#include "platform/core/keydown.h"

#include <string>
#include <vector>

namespace platform {

enum class itemkind { key, code, mouse, busy, endbusy, menu, close, dump, answer, info };
enum class answerkind { yes, no, ok, cancel, text, file, font, dialog };

struct scriptitem {
    itemkind kind = itemkind::key;
    std::string source;   // the item as written, for messages
    keydown key;          // key; mouse: its held modifiers
    int number = 0;       // code, menu id
    // mouse
    mouseaction action = mouseaction::move;
    mousebutton button = mousebutton::left;
    bool click = false;   // press now, release at the next demand
    bool pixels = false;  // x, y are client pixels, else a cell (1-based)
    int x = 0, y = 0;
    // info: the close button, else key
    bool infoclose = false;
    // answer and dump
    answerkind answer = answerkind::ok;
    std::string text;
};

// False with a message naming the faulty item.
bool parsescript(const std::string& text, std::vector<scriptitem>& items, std::string& error);

}  // namespace platform
