// One-shot settings of the next framed box: caption, footer and colours.
// Each is consumed by the next box that gets drawn, whoever opens it.
#pragma once

void setboxtitle(const char* text);
// Frame, background, title, legend, footer; invalid or 0 keeps a setting.
void setboxcolors(int frame, int background, int title, int legend, int footer);
// Non-empty text: the footer of the next box; null or empty: none.
void setfootertext(const char* text);
// 4 clears the footer; 7 to 12 set the standard footers.
void setfootercode(int code);
// 1 to 4: a hint how to leave the next box.
void eschint(int n);
// Legend rows of every box with legend rows show this text.
void setboxlegend(const char* text);

// Read by the box itself.
struct boxsettings {
    char caption[164];
    char footer[164];
    bool footerpending;
    int colors[5];  // frame, background, title, legend, footer
    char legend[1024];
};
boxsettings& pendingbox();
