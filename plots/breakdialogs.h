// The questions that long plot computations ask after a STOP request.
// Until the plot commands bring the dialogs, these answer what
// breakanswers holds (terminate by default), and terminate at once when
// computations are nested.
#pragma once

// 0 terminate, 1 use the partial sample (only when allowed), 2 resume.
int samplebreakdialog(int i, int n, bool partialallowed);
// True resumes.
bool plotbreakdialog(int i, int n);
// True computes the remaining curves.
bool curvebreakdialog(int k);

struct breakanswers {
    int sample = 0;
    bool plot = false;
    bool curve = false;
    int asked = 0;  // questions asked so far
};
breakanswers& standinbreakanswers();
