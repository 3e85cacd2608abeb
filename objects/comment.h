// The comment attached to a user object, with its own nested record:
// "@@COMMENT", the text as one line, "@@END COMMENT".
#pragma once

#include "objects/saveable.h"
#include "objects/viewable.h"

class idable;

class comment : public saveable, public viewable {
public:
    comment();
    explicit comment(const char* text);
    comment(const comment& other);
    comment& operator=(const comment&) = delete;
    ~comment() override;

    // Main slots after the saveable ones: edit(object).
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;
    int typenumber() const override { return typeids::comment; }
    const char* tag() const override { return "@@COMMENT"; }
    // The comment editor titled with the object's signature; Enter stores
    // the edited text.  The key that ended the input.
    virtual int editfor(const idable* object);

    int show() override;
    int edit() override { return editfor(nullptr); }

    // Copies the other comment's text when it is another buffer.
    void assign(const comment& other);
    // Stores text (cut to the comment limit); false when memory fails.
    bool settext(const char* text);
    int length() const;
    const char* text() const { return buffer ? buffer : ""; }

    int16_t capacity = 0;
    char* buffer = nullptr;   // owned

private:
    bool reserve(int length);
};
