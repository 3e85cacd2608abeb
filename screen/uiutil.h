// Small string, character and number helpers used all over the interface.
#pragma once

#include <cstdint>

#include "base/serial.h"

// Heap copies, freed with delete[]; null for a null text or no memory.
char* strnew(const char* text);
char* newstrf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The caller guarantees room for one more character.
void appendchar(char* text, char c);
char* stripblanks(char* text);
int removechar(char* text, char c);
char* padstr(char* text, int width, char fill);
// Nodes whose first word is the next pointer.
int listlength(const void* first);

bool isprintable(unsigned char c);
bool isnamestart(unsigned char c);
bool isnamechar(unsigned char c);
bool isnumchar(unsigned char c);
bool isopenbracket(unsigned char c);
bool isyes(int key);

bool isnanval(double x);
bool isinvalid(double x);
bool isbadvalue(double x, double limit);
bool isbetween(double a, double x, double b);
bool iswhole(double x);
bool isevenreal(double x);
bool ispositive(double x);
bool iseven(int16_t n);
bool issquare(int32_t n);
