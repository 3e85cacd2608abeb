// Changes of the text under edit; each keeps the anchors and the cursor in
// step with the text.
#pragma once

struct clipboard;

// Types c at the cursor; false when the text is full.
bool typechar(unsigned char c, bool insert);
void deletechar();
// "no block to delete" when there is none.
void deleteblock();
// Copies the block into clipboard n (1..5).
void copyblock(int n);
// Inserts a clipboard at the cursor; the inserted text becomes the block.
void insertclip(const clipboard& c);
// PgUp: the text from the cursor on goes.  PgDn: the text before it goes.
void cuttail();
void cuthead();
