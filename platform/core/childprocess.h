// A child program started without a shell and reaped when it ends.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace platform {

// The program's path: the running program's own folder first, then
// PATH; empty when neither holds an executable of that name.
std::string findprogram(const std::string& name);

class childprocess {
public:
    ~childprocess() { running(); }
    // Starts program with args (argv[1] ...) and the environment plus
    // extra ("NAME=value"); only descriptors 0 to 2 are inherited.  False
    // with a message when it cannot start.
    bool start(const std::string& program, const std::vector<std::string>& args,
               const std::vector<std::string>& extra, std::string& error);
    // True while the child runs; an ended child is reaped and forgotten.
    bool running();
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = 0;
};

}  // namespace platform
