// The view and edit interface of user objects and comments.
#pragma once

class viewable {
public:
    viewable() = default;
    viewable(const viewable&) = default;
    viewable& operator=(const viewable&) = default;
    virtual ~viewable() = default;
    // Slots in this order: show (the information box; the key that closed
    // it), edit (the kind's editor).
    virtual int show() = 0;
    virtual int edit() = 0;
};
