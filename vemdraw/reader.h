// The transfer-file reader: a stream of 6-byte records (code, a, b low
// byte first, frame mark 0xFF) and numbers sent as text, turned into
// diagrams.  Every fault is told in a message box naming the record count
// (the cycle) and fails the read.
#pragma once

#include "vemdraw/model.h"

#include <cstdint>
#include <cstdio>

struct plotrecord {
    uint8_t code = 0;
    uint16_t a = 0, b = 0;
};

// Reads 6 bytes; true when the sixth is the frame mark 0xFF.
bool readrecord(FILE* file, plotrecord& record, int& nread);
// Appends a text chunk; true when the text ended in it.
bool readtextchunk(FILE* file, std::string& text, int& nread);
// A number: its head record (code 21) and text chunks, converted in the C
// locale.
bool readnumber(FILE* file, double& value, int& nread);
uint32_t colorbyindex(uint32_t index);
void plotreaderror(int nread, const char* name);

// Appends the diagrams of the file to the list (printer: the program's
// record); true on a clean end of file.  A failed read (the stream's
// error flag) ends it with false and no box, errno telling why.
bool readplotfile(FILE* file, nodelist* list, printerdate* printer);
