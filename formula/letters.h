// The 52 variable letters (ASCII only): 'A'..'Z' are 0..25, 'a'..'z' are
// 26..51 in per-letter tables.
#pragma once

inline bool isupperletter(int c) { return c >= 'A' && c <= 'Z'; }
inline bool islowerletter(int c) { return c >= 'a' && c <= 'z'; }
inline bool isletter(int c) { return isupperletter(c) || islowerletter(c); }

// -1 for a character that is no letter.
inline int letterindex(int c)
{
    return isupperletter(c) ? c - 'A' : islowerletter(c) ? c - 'a' + 26 : -1;
}

// 0 for an index outside 0..51.
inline char indexletter(int i)
{
    return i >= 0 && i < 26 ? char('A' + i) : i >= 26 && i < 52 ? char('a' + i - 26) : 0;
}
