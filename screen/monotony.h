// The computing thread's side of the Monotony Test window: hand over the
// sequence and ask the window thread to show it (3033), or to close the
// window (3034).
#pragma once

void showmonotony(const double* values, int n);
void closemonotony();
