// Runs the host with the headless front on a script, in this process, with
// a main loop of the test's own on the computing thread.
#pragma once

#include "platform/headless/headless.h"
#include "screen/calcmain.h"

#include <string>
#include <vector>

struct hostrun {
    int status = -1;
    std::vector<std::string> boxes;
    std::vector<std::pair<int, int>> moves;
    std::string out;   // dump folder
    platform::menurecord menu;
    std::vector<platform::inforecord> infos;
    bool monotonyopen = false;   // the Monotony Test window at the end
    int monotonyshows = 0;       // how often it was shown
};

// The script is written to a file in a fresh folder; dumps go there too.
hostrun runscript(const std::string& script, mainloopfn loop, int timeout = 10);
// The same with a front of the test's own.
hostrun runscript(platform::headlessfront& front, const std::string& script, mainloopfn loop, int timeout = 10);
