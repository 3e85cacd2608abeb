// State shared by the window thread and the computing thread, each item
// written by one side.  Atomics, so that a loop that polls a flag sees it.
#pragma once

#include <atomic>

struct hoststate {
    std::atomic<bool> running{false};         // keys are passed on only while set
    std::atomic<bool> stop{false};            // getkey answers Esc while set
    std::atomic<bool> closerequested{false};
    std::atomic<int> waitcount{0};            // set while getkey waits
    std::atomic<bool> waitingforkey{false};   // getkeymarked waits: mouse buttons count
    std::atomic<int> lastposted{0};           // detects a second Esc before the first was read
    std::atomic<bool> focus{false};           // the main window has the keyboard focus
    std::atomic<bool> paintingenabled{true};
    std::atomic<bool> oemkeys{true};          // the text font is an OEM font
    std::atomic<bool> autojump{true};         // makevisible moves the window

    // Where the window is (screen pixels): client area, frame corner, and
    // the desktop's work area (right and bottom exclusive).
    std::atomic<int> clientx{0}, clienty{0}, framex{0}, framey{0};
    std::atomic<int> workleft{0}, worktop{0}, workright{1280}, workbottom{1024};

    // Caret as the text screen wants it (client pixels of the caret box).
    std::atomic<bool> careton{false};         // the program shows a caret
    std::atomic<int> carethidecount{0};
    std::atomic<bool> caretshown{false};      // window thread: the caret is on screen
    std::atomic<int> caretx{0}, carety{0}, caretwidth{2}, careth{18};

    // The evaluator installs these: whether an evaluation runs, and how to
    // break it (user break).
    std::atomic<bool (*)()> evaluating{nullptr};
    std::atomic<void (*)()> userbreak{nullptr};
    // The evaluator's nesting level and how to clear its break code.
    std::atomic<int (*)()> evaluationlevel{nullptr};
    std::atomic<void (*)()> clearbreak{nullptr};
};

hoststate& host();
