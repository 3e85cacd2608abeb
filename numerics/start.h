// The numeric tools' side of the hooks: the notepad's F3 reaches the
// fraction recognizer.
#pragma once

void startnumerics();
