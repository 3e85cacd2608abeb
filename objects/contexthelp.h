// Key references and information boxes of the context list windows.
#pragma once

// F1 in the context list: the key reference; F1 again the explanation
// for the list's kind.
void contextkeyhelp(int kind);
// F1 in a component list; F1 again calls help when there is one.
void componentkeyhelp(bool candelete, bool canedit, void (*help)());
// The help of the component lists of "V" and "I".
void componentlisthelp();
