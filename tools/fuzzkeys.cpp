// libFuzzer target: random keys, mouse items and box answers typed into the
// running program (in this process, on the lenient scripted front) from one
// of a few starting states.  The first byte picks the state, each further
// byte an item: printable characters are typed, CR is Enter, ESC Esc, TAB
// Tab, BS Backspace; 0x80 + k is entry k of the named keys, box answers and
// STOP, then of the mouse items (whose place takes the next two bytes),
// repeating; other bytes count as 0x80 + their value.  At most 64 items per
// input; the front answers what they leave waiting and closes the window
// at their end, so every run ends.  The program runs with the smallest
// fonts it takes.  FUZZKEYS_SCRIPT=FILE keeps the script of each input
// there, to run again with vemo --headless --lenient (with the fonts:
// -F OEM 4 2 400 -f OEM 4 2 600).
#include <cstddef>
#include <cstdint>
#include <cstdlib>  // mkdtemp
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/core/clock.h"
#include "platform/core/cmdline.h"
#include "platform/core/keyqueue.h"
#include "platform/core/thread.h"
#include "platform/headless/headless.h"
#include "revolver/program.h"
#include "screen/calcmain.h"
#include "screen/host.h"
#include "screen/hoststate.h"
#include "screen/keys.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t maxitems = 64;

// A computed formula of two values, a fastplot, a designer plot in the
// plot environment.
const char* const starts[] = {
    "ecos(x), sin(x)<Enter><Enter>1<Enter>",
    "esin(x)<Enter><Enter>1<Enter><Space><Space>",
    "esin(x)<Enter><Enter>1<Enter>ppn0<Enter>6.28<Enter>-1.5<Enter>1.5<Enter>r",
};

const char* const named[] = {
    "<Up>", "<Down>", "<Left>", "<Right>", "<PgUp>", "<PgDn>", "<Home>", "<End>", "<Ins>", "<Del>",
    "<F1>", "<F2>", "<F3>", "<F4>", "<F5>", "<F6>", "<F7>", "<F8>", "<F9>", "<F10>",
    "<S-F1>", "<A-F1>", "<C-Del>", "<S-Tab>", "<A-f>", "<A-w>", "<A-p>",
    "<yes>", "<no>", "<ok>", "<cancel>", "<menu 40042>", "<info close>",
};
// Mouse items, each followed by a place.
const char* const mouse[] = {"click", "right click", "press", "move", "release"};
constexpr size_t namedcount = std::size(named), mousecount = std::size(mouse);

std::string place(const uint8_t*& data, const uint8_t* end)
{
    int x = data < end ? *data++ : 0, y = data < end ? *data++ : 0;
    return " " + std::to_string(x % 80 + 1) + " " + std::to_string(y % 30 + 1) + ">";
}

std::string item(const uint8_t*& data, const uint8_t* end)
{
    uint8_t b = *data++;
    switch (b) {
    case '\r': return "<Enter>";
    case 27: return "<Esc>";
    case '\t': return "<Tab>";
    case 8: return "<Backspace>";
    case '<': return "<<";
    }
    if (b >= ' ' && b < 127)
        return std::string(1, char(b));
    size_t k = size_t(b & 0x7f) % (namedcount + mousecount);
    if (k < namedcount)
        return named[k];
    return "<" + std::string(mouse[k - namedcount]) + place(data, end);
}

std::string script(const uint8_t* data, size_t size)
{
    const uint8_t* end = data + size;
    std::string text = starts[size ? *data++ % std::size(starts) : 0];
    for (size_t n = 0; n < maxitems && data < end; ++n)
        text += item(data, end);
    return text;
}

// A run ended by a script error leaves the computing thread waiting.
void endthread()
{
    if (!platform::thread2().started())
        return;
    host().stop = true;
    platform::computekeys().post(key::altx);
    platform::thread2().join(-1);
    host().running = false;
}

fs::path work, scriptfile, home;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/dev/shm/fuzzkeysXXXXXX", fallback[] = "/tmp/fuzzkeysXXXXXX";
    const char* made = mkdtemp(pattern);
    fs::path dir = made ? made : mkdtemp(fallback);
    static const fs::path top = dir;
    std::atexit([] { fs::remove_all(top); });
    work = dir / "work";
    const char* keep = std::getenv("FUZZKEYS_SCRIPT");
    scriptfile = keep ? fs::absolute(keep) : dir / "script.txt";
    fs::create_directory(work);
    home = fs::current_path();
    startrevolver();
    setmainloop(runprogram);
    platform::setsleepless(true);
    // The smallest fonts the program takes: the same keys and screens at a
    // fraction of the pixels to draw, save and restore per key.
    platform::setcommandline({"-F", "OEM", "4", "2", "400", "-f", "OEM", "4", "2", "600"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Each run starts in an empty work folder: no state file of the last.
    // The fuzzer's own paths are relative to the folder it was started in.
    for (const auto& entry : fs::directory_iterator(work))
        fs::remove_all(entry.path());
    fs::current_path(work);
    std::ofstream(scriptfile, std::ios::binary) << script(data, size);
    platform::headlessfront front;
    std::string error;
    if (!front.load({scriptfile.string(), (work / "out").string(), 2, true}, error))
        return 0;
    vemohost(front);
    endthread();
    fs::current_path(home);
    return 0;
}
