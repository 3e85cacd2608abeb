// The menu's STOP state belongs to ui/; formula/ reaches it through this
// hook, which ui installs.
#pragma once

void setdisablestophook(void (*hook)());
// STOP is disabled for the rest of the busy period (no-op without a hook).
void disablestop();
