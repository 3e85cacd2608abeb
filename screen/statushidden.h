// A guard that hides the program's status box while a dialogue lasts.
#pragma once

// Hides the program's status box for its lifetime.
class statushidden {
public:
    statushidden();
    ~statushidden();
    statushidden(const statushidden&) = delete;
    statushidden& operator=(const statushidden&) = delete;
};
