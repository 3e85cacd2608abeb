// The menu's STOP state belongs to the screen; the formula engine reaches
// it through this hook, which the screen installs (formula/hooks.h).
#pragma once

void setdisablestophook(void (*hook)());
// STOP is disabled for the rest of the busy period (no-op without a hook).
void disablestop();
