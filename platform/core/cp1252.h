// Unicode to the single bytes of code page 1252, the program's ANSI set.
#pragma once

namespace platform {

// The byte for a Unicode character, or -1 when cp1252 has none.
int tocp1252(int ch);

}  // namespace platform
