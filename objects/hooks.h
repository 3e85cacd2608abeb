// The user objects' side of the hooks: what they give the layers below.
// The objects call nothing above them; the calculators, tools and plots
// reach them directly.
#pragma once

#include <string>

class compositefu;
class fu;
class namesused;

// The objects' start: starts the formula engine (startformula) and fills
// the hooks of the formula engine (formula/hooks.h: the local context, the
// component resolver, the object family, the function database, the
// evaluator's calls of user objects) and of the screen (screen/hooks.h:
// quitting asks to save the context; the database's check mark).  Programs call it before anything
// else runs.
void startobjects();

// What the layers above give the objects: the kinds that live there.
// Empty until their start fills them; the factory and the install menu
// then make nothing of that kind.
struct objecthooks {
    // A new, empty Runge-Kutta function (calculator/furk.h).
    compositefu* (*makefurk)() = nullptr;
};
objecthooks& objectshook();

// The evaluator's calls of user objects (objectcalls.cpp).
void installobjectcalls();

// What the compiler asks of the objects (fucalls.cpp) and of the function
// database (dabaservices.cpp); services.h says what each answers.
namespace objectservices {
std::string fullname(const fu* object);
int originlibrary(const fu* object);
bool implementcomponent(fu* object, int passmode);
bool databaseinuse();
int databaseversions(const char* name, int argc, int valuecount);
bool databaselists(int library, const char* name, int argc, int valuecount);
int databasecollect(const char* name, int valuecount, namesused& names);
int databasevalues(const char* name);
}  // namespace objectservices
