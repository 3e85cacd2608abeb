// Editing one variable in the store where it lives: an object's own store
// for its #static and #const letters, else the global store.
#pragma once

class fu;
class varman;

varman* varmanof(char letter, const fu* object);
// Asks a new value for the letter; true when something changed.  An empty
// input makes a global variable undefined and keeps a local one.
bool varedit(char letter, fu* object);
// varedit for a variable of the given store (null: the global store).
bool vareditstore(char letter, varman* store);
// Asks which letter, then edits it as varedit does.
void askvariable(fu* object);
