// What the stand-in main loop shows of typed keys: characters are written
// at the cursor, Enter starts a new line, F2 draws a test screen of text,
// colours, frames and graphics, F3 clears the screen.
#pragma once

void screenecho(int code);
