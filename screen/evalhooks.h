// Connects the formula engine with the host: the window thread sees
// whether an evaluation runs and can break it; the engine disables STOP
// through the menu state.
#pragma once

void installevalhooks();
