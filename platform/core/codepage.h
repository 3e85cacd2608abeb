// Typed characters to the bytes of the text font's code page: cp437 for an
// OEM font, cp1252 for an ANSI font, by the tables the glyphs are drawn from.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The byte that shows Unicode character ch, or -1 when the code page has
// none.  ASCII, with the control codes that keys give, stands as it is;
// the OEM symbols of bytes 1 to 31 and 127 cannot be typed, since those
// bytes are the control codes.
int codepagebyte(int ch, bool oem);

// Decodes one UTF-8 character at text[i] and moves i past it; -1 for a
// malformed sequence (also an overlong one, which could hide a control code).
int decodeutf8(std::string_view text, size_t& i);

// The program's text (bytes of a code page) as UTF-8 for the toolkit and
// the printer: each byte as the screen shows it, except the control bytes
// below 32, which stay (the line breaks and tabs of messages).
std::string codepageutf8(std::string_view text, bool oem);

// UTF-8 text from the toolkit or a script as bytes of the code page;
// characters that the code page cannot show, and malformed sequences, are
// left out.
std::string utf8codepage(std::string_view text, bool oem);

}  // namespace platform
