// The script of the headless front: UTF-8 text, one item after another.
// Line breaks are ignored; "<<" is a literal "<"; other text is typed one
// character per key, as the byte of the text font's code page that shows
// it (cp437 for an OEM font, cp1252 for ANSI).  Items in angle brackets:
// named keys <[S-][C-][A-]NAME>, <key N> (a key code, 1 to 65535), mouse
// items (X, Y a cell of the 80 by 30 grid, 1-based, or with "px" client
// pixels from -32768 to 32767), <busy> ... </busy>, <menu ID> (1 to 65535),
// <close>, <dump NAME>, the answers to native boxes, and for the newest
// open info window <info close> (its close button) or <info NAME> (a named
// key typed into it).  A press on a panel, and the release after it, go to
// that panel; a click's release comes before the next item.  A mouse item acts when the program waits for a key
// or reads a mouse button; reading the position takes none.
//
// <busy> holds the computation that the item before it starts at its first
// checkpoint, delivers the items up to </busy> (STOP as <menu 40042><yes>,
// or keys) and lets it go on; <busy N> (N from 0 to 1000000000) holds it at
// the first checkpoint N ms of the program's virtual clock after that item
// (a checkpoint is one ms, a sleep its length), so that a run is stopped
// at a chosen point.  A dialogue of the computation that waits for a key
// takes the items at once.
//
// A modeless dialog of the program (created through front::modelesscreate)
// takes <dialog NAME ID=VALUE ... press=ID> while it is open and shown:
// the words act on it, through its logic, when the computing thread waits
// for a key; boxes and dialogs its logic opens take the items after it.
//
// Script errors (exit status 3): an item that is not one of these, a
// number out of its range, a "<" that opens no item, a character that no
// text font shows (found when the script is read) or that the font in use
// cannot show (found when it is typed).  A dump that cannot be written
// ends the run with status 4, as a failure of the program.
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

// The text screen's grid: <click X Y> and the like name a cell on it.
constexpr int cellcolumns = 80, cellrows = 30;

// False with a message naming the line and the faulty item.
bool parsescript(const std::string& text, std::vector<scriptitem>& items, std::string& error);

// A decimal number (digits, an optional leading "-") from low to high.
bool scriptnumber(const std::string& word, long low, long high, int& value);

}  // namespace platform
