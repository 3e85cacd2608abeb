// Commands on the local context as a whole: incorporating a foreign object
// with its foreign components, saving, a copy as a new library or backup,
// deleting the foreign objects, clearing DESKTOP.LIB and changing the
// current library.  The revolver's F2, its context submenu and "ul" call
// these; the context list reaches incorporate and save.
#pragma once

#include <string>
#include <vector>

#include "objects/libfile.h"

class chain;
class fu;
class fu1;
class pcontext;

// Resident objects held by reference (not owned), each at most once.
using componentlist = std::vector<fu1*>;

// Set while the collision list is shown: removing an object from that
// list deletes it from the context.
extern bool collisionmode;

// The object and every user object that it calls, directly or not, as a
// fresh full implementation of this object finds them (never the list of
// whatever was compiled last).  False when it cannot be implemented.
bool calledcomponents(fu1* object, componentlist& list);
// The same without the object itself: the resident objects that any
// object (a calculator's formula too) calls.
bool residentcomponents(fu* object, componentlist& list);

// <+>: the object and its foreign components become own.  True when
// incorporated or own already.
bool naturalize(fu1* object);
void countownforeign(const chain& list, long& own, long& foreign);
// Optional count question (with ask, without foreign), then the library
// file; mode tells whether it is the context's own file.  False when
// cancelled or not written.
bool savewithcount(pcontext& context, const std::string& path, bool foreign, bool ask, savemode mode);
// A copy of the own objects as a new active library or inactive backup;
// the context's marks and change log stay.  True when a file was written.
bool newlibrary();
// Asks, then deletes every foreign object.
void deleteforeign();
// Deletes every foreign object, logging each; how many.
int deleteforeignobjects(pcontext& context);
componentlist foreignobjects(const chain& context);
componentlist foreigncomponents(const componentlist& list);
// Moves the foreign objects of incorporation that collide with an own
// object out of it; the pairs (own, foreign) in a new list.
componentlist findcollisions(componentlist& incorporation, const chain& context);
void naturalizelist(const componentlist& list);
void deletelisted(pcontext& context, const componentlist& list);
// In collision mode only: the object leaves the context and is deleted.
bool dropcollision(fu1* object);
// DESKTOP.LIB only: asks, may save a copy first, then empties the context.
bool clearcontext();
// Asks for a library from the list and makes it current after leaving
// the current one; true when changed.
bool changecontext();

// Entry points of the revolver's handlers: F2 saves and shows the OK box;
// "ul" lists the context; F4 is the context submenu.  contextmenu is false
// when the revolver should not go on with the current calculator.
void savecontextcmd();
void listcontextcmd();
bool contextmenu();
