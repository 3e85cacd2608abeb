// Pixel sizes of the plot panel's bitmaps, drawn by the program itself;
// the panel layout follows from them and from the panel font.
#pragma once

struct pixelsize {
    int w = 0, h = 0;
};

namespace panelbitmap {
constexpr pixelsize axes{32, 32};      // print options
constexpr pixelsize zeroone{32, 16};   // write the transfer file
constexpr pixelsize print{32, 32};     // start the printer utility
constexpr pixelsize left{16, 16};      // also right, up and down (turned)
constexpr pixelsize upup{16, 24};      // also downdown
constexpr pixelsize draw{24, 24};      // the pen
constexpr pixelsize logo{40, 24};
constexpr pixelsize erase{16, 16};
}

// The mouse frame dialog's buttons and the dialogs' message line.
namespace framebitmap {
constexpr pixelsize button{40, 40};    // cancel, magnify, minify, push and its grey look
constexpr pixelsize exclam{20, 20};    // before a dialog's message
}
