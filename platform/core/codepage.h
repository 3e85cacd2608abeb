// Typed characters to the bytes of the text font's code page: cp437 for an
// OEM font, cp1252 for an ANSI font, by the tables the glyphs are drawn from.
#pragma once

namespace platform {

// The byte that shows Unicode character ch, or -1 when the code page has
// none.  ASCII, with the control codes that keys give, stands as it is;
// the OEM symbols of bytes 1 to 31 and 127 cannot be typed, since those
// bytes are the control codes.
int codepagebyte(int ch, bool oem);

}  // namespace platform
