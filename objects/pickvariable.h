// The revolver's variable command: asks a letter and edits it as a global
// variable.
#pragma once

void pickvariable();
