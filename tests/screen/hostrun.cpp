#include "tests/screen/hostrun.h"

#include "platform/core/keyqueue.h"
#include "platform/core/thread.h"
#include "screen/host.h"
#include "screen/hoststate.h"
#include "screen/keys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

hostrun runscript(const std::string& script, mainloopfn loop, int timeout)
{
    platform::headlessfront front;
    return runscript(front, script, loop, timeout);
}

hostrun runscript(platform::headlessfront& front, const std::string& script, mainloopfn loop, int timeout)
{
    hostrun run;
    char folder[] = "/tmp/vemohostXXXXXX";
    run.out = mkdtemp(folder);
    std::string file = run.out + "/script.txt";
    std::ofstream(file) << script;
    std::string error;
    EXPECT_TRUE(front.load({file, run.out, timeout}, error)) << error;
    setmainloop(loop);
    run.status = vemohost(front);
    run.boxes = front.boxes();
    run.moves = front.moves();
    run.menu = front.menu();
    run.infos = front.infos();
    run.monotonyopen = front.monotonyopen();
    run.monotonyshows = front.monotonyshows();
    if (platform::thread2().started()) {
        // A run that ended on a script error leaves the thread waiting.
        host().stop = true;
        platform::computekeys().post(key::altx);
        platform::thread2().join(-1);
        host().running = false;
    }
    setmainloop(nullptr);
    return run;
}
