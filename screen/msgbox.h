// Message output: timed and keyed message boxes, colour schemes and the
// program's standard short messages.
#pragma once

#include <cstdint>

// The display time of the next msgbox in milliseconds.
void setmsgtime(int32_t ms);

// Time 0: the pending message time, or until a key.  Colours 0 keep the
// pending popup colours.  Returns the key, 0 after a timed display.
int16_t msgbox(const char* text, int16_t ms = 0, uint8_t ink = 0, uint8_t textback = 0,
               uint8_t frame = 0, uint8_t boxback = 0);
void okbox(int16_t ms = 0);
int16_t tell(const char* format, ...) __attribute__((format(printf, 1, 2)));
// 0 ordinary, 1 errors, 2 unexpected errors, 3 information, 4 and 5.
void msgstyle(int scheme);

int16_t msgfailed();
int16_t msginvalidinput();
int16_t msgnotimplemented();
int16_t msgnosuchcommand();
int16_t unexpectederror(const char* text);
