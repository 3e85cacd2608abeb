// Reading library records: words, lines and the read-error report.
#pragma once

#include <iosfwd>
#include <cstddef>
#include <string>

// The next blank-separated word (blanks: space, tab, CR, LF, VT, FF); false
// at the end of the stream.
bool readword(std::istream& in, std::string& word);

// The next line without its LF and one CR before it, cut to limit
// characters; false at the end of the stream.
bool readline(std::istream& in, std::string& line, size_t limit);

// Skips the rest of the current line.
void skipline(std::istream& in);

// Reports a record line that could not be read; where names the reader.
void libreaderror(const char* buffer, const char* where);
