// The calculation notepad (F5): expressions typed one a line and
// evaluated, starting from the current calculator's shown value.
#pragma once

class calculator;

// current may be null or empty; it only seeds the latest value.
void calcnotepad(const calculator* current);
