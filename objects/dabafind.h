// The tests of the grep and the call finder on the lines of library files.
#pragma once

#include <functional>
#include <string>

class linereader;

using linetest = std::function<bool(const std::string&)>;

// A substring test, or one that compares the letters upper-cased.
bool texttest(const std::string& line, const std::string& text, bool casesensitive);
// True when the formula line calls name with that many arguments (254
// and more: any).
bool calltest(const std::string& line, const std::string& name, int arguments);

// Tests the comment (when not empty) and the formula lines of the rest of
// an object; the stream ends behind the object's last line, or where a
// bad stream stopped.
bool findbytest(linereader& in, const std::string& comment, const linetest& test);
