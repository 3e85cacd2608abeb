// The line editor: one text of bounded length edited in place, wrapped over
// the lines of the current window from column 1 of a start row.  Insert and
// overstrike, block marking with Shift and the movement keys, deleting to
// either end, the five clipboards and an extra clipboard on F10.  Only one
// edit runs at a time, so the edit state is global; the editor objects hold
// what differs between the kinds.
#pragma once

#include <cstdint>

#include "screen/keys.h"
#include "screen/screen.h"

struct clipboard;

class lineeditor {
public:
    explicit lineeditor(int16_t maxlen);
    virtual ~lineeditor();
    lineeditor(const lineeditor&) = delete;
    lineeditor& operator=(const lineeditor&) = delete;

    // Enter.
    virtual bool isfinishkey(keycode k);
    // Esc.
    virtual bool iscancelkey(keycode k);
    // Printable ASCII and the German letters and the degree sign of the font.
    virtual bool isinsertable(keycode k);
    // PgUp cuts the text at the cursor, PgDn removes what stands before it;
    // true when the key was taken.
    virtual bool extrakey(keycode k);
    // F1 shows the help screen; true when the key was taken.
    virtual bool helpkey(keycode k);
    virtual int helpscreen();

    // Negative values become 0; returns the previous maximum.
    int16_t setmaxlen(int16_t n);
    // Edits buffer, which must hold maxlen + 1 bytes: on a finishing key it
    // receives the text, on a cancelling key it stays unchanged.  Returns
    // the key that ended the edit, 0 when the edit could not start (text
    // longer than maxlen, maxlen below 1, no memory).
    keycode lineedit(char* buffer);

    int16_t maxlen = 0;
    bool insert = true;
    bool nextinsert = true;   // insert mode of the next edit
    bool preselect = true;    // a starting text is replaced by the first typed character

private:
    bool begin(const char* buffer);
    keycode run(char* buffer);
    void leavefresh(keycode k);
    void editingkey(keycode k);
};

// Typed numbers: Up and Down also finish, codes 32 to 127 are typed,
// overstrike at first.
class numlineeditor : public lineeditor {
public:
    explicit numlineeditor(int16_t maxlen);
    ~numlineeditor() override;
    bool isfinishkey(keycode k) override;
    bool isinsertable(keycode k) override;
};

// One-shot settings of the next edit.
// Window-relative start row (below 1 becomes 1).
void seteditrow(int16_t row);
// Text, background, clear colour, block text, block background; 0 = the
// default role.  The sixth colour is not used.
void editcolors(int text, int back, int clear, int blocktext, int blockback, int unused = 0);
// True: show the starting text preselected; false: not.
void editmode(bool preselect);
// The clipboard that F10 inserts during the next edit (null: none).
void setextraclip(const clipboard* extra);

// The key that ended the last edit (the input dialogs set it too).
extern keycode lastinputkey;
// The screen cell of the cursor where the last edit ended.
cellpos editendpos();

// The shared editor of in-place edits, created on first use with that
// maximum length; null when it cannot be made.
lineeditor* sharededitor(int16_t maxlen);
// Puts an editor into the shared slot for its lifetime.
class editorslot {
public:
    explicit editorslot(lineeditor* e);
    ~editorslot();
    editorslot(const editorslot&) = delete;
    editorslot& operator=(const editorslot&) = delete;

private:
    lineeditor* previous;
};

// At program end: deletes the shared editor, frees the text buffer and
// empties the clipboards.
void editcleanup();
