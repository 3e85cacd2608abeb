// Runs the real program headless in a work folder of its own: the state
// file, the backups and the dumps stay there.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

struct vemorun {
    std::string dir;
    std::string program = std::string(VEMO_BIN_DIR) + "/vemo";
    std::string runas;   // a command that vemo runs under (setpriv ...)

    vemorun()
    {
        char folder[] = "/tmp/vemorevXXXXXX";
        dir = mkdtemp(folder);
    }
    ~vemorun() { std::filesystem::remove_all(dir); }
    vemorun(const vemorun&) = delete;
    vemorun& operator=(const vemorun&) = delete;

    std::string path(const std::string& name) const { return dir + "/" + name; }

    // Runs vemo as nobody from a copy in the work folder: the checkout
    // may lie where nobody cannot reach it.
    void asnobody()
    {
        std::filesystem::permissions(dir, std::filesystem::perms::all);
        std::filesystem::copy_file(program, path("vemo"));
        program = path("vemo");
        runas = "setpriv --reuid=65534 --regid=65534 --clear-groups";
    }

    // The exit status of vemo on the script; switches go before it.
    int run(const std::string& script, const std::string& switches = "") const
    {
        std::ofstream(path("script.txt"), std::ios::binary) << script;
        std::string command = "cd '" + dir + "' && " + runas + " '" + program + "' " + switches
                              + " --headless --script script.txt --out out --timeout 20 >/dev/null 2>"
                              + path("stderr.txt");
        int rc = std::system(command.c_str());
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }

    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }
    // Row n (1-based) of a dump's text.
    std::string row(const std::string& dump, int n) const
    {
        std::istringstream in(read("out/" + dump + ".txt"));
        std::string line;
        for (int i = 0; i < n && std::getline(in, line); ++i) {
        }
        return line;
    }
    std::string screen(const std::string& dump) const { return read("out/" + dump + ".txt"); }
    // Whether a dump's text holds text.
    bool shows(const std::string& dump, const std::string& text) const
    {
        return screen(dump).find(text) != std::string::npos;
    }
};

inline std::string goldenrev()
{
    std::ifstream in(std::string(VEMO_SOURCE_DIR) + "/tests/revolver/golden/vemo.rev", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
