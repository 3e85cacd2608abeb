// The two questions that lists ask: a number and a line of text, each in a
// bar dialogue near the bottom of the screen.
#pragma once

// The field starts with value, selected so that typing replaces it.  True
// when the field gave a value (Esc, an emptied field or text that is no
// number leave value unchanged and give false).
bool asknumber(const char* title, double& value);
// True unless Esc ended the input; buffer (maxlength + 1 bytes) starts
// empty and receives the text.
bool asktext(const char* title, char* buffer, int maxlength);

// The key that ended the last question (Enter, Esc, or Up and Down, which
// also end a number so that callers can step through values).
int lastaskkey();
