// Reading library records: words, lines and the read-error report.
#pragma once

#include <iosfwd>
#include <string>

// The next blank-separated word (blanks: space, tab, CR, LF, VT, FF); false
// at the end of the stream.
bool readword(std::istream& in, std::string& word);

// Skips the rest of the current line.
void skipline(std::istream& in);

// Reports a record line that could not be read; where names the reader.
void libreaderror(const char* buffer, const char* where);
