#include "platform/core/childprocess.h"

#include <limits.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

extern char** environ;

namespace platform {

namespace {

std::string ownfolder()
{
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return std::string();
    std::string path(buffer, size_t(n));
    return path.substr(0, path.rfind('/'));
}

bool executable(const std::string& path)
{
    return access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string findprogram(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return executable(name) ? name : std::string();
    std::string own = ownfolder();
    if (!own.empty() && executable(own + "/" + name))
        return own + "/" + name;
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':'))
        if (!folder.empty() && executable(folder + "/" + name))
            return folder + "/" + name;
    return std::string();
}

bool childprocess::start(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& extra, std::string& error)
{
    std::string path = findprogram(program);
    if (path.empty()) {
        error = program + " not found";
        return false;
    }
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e) {
        bool replaced = false;
        for (const auto& x : extra)
            replaced |= std::strncmp(*e, x.c_str(), x.find('=') + 1) == 0;
        if (!replaced)
            envp.push_back(*e);
    }
    for (const auto& x : extra)
        envp.push_back(const_cast<char*>(x.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = 0;
    int status = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (status != 0) {
        error = "cannot start " + path + ": " + std::strerror(status);
        return false;
    }
    pid_ = pid;
    return true;
}

bool childprocess::running()
{
    if (pid_ <= 0)
        return false;
    int status;
    pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == 0)
        return true;
    if (r == pid_ || (r < 0 && errno == ECHILD))
        pid_ = 0;
    return pid_ > 0;
}

}  // namespace platform
