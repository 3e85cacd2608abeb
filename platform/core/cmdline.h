// The program's command line as words.  A switch is a word of its own,
// "-X" or "/X" (X a letter, case-sensitive), so a path never reads as one.
#pragma once

#include <string>
#include <vector>

namespace platform {

void setcommandline(std::vector<std::string> words);
const std::vector<std::string>& commandline();

// Finds switch `letter` and collects up to `count` following words into
// `words`; a word that begins with "-" or "/" ends the list.  -1 when the
// switch is absent, else the number of words found.
int getoption(char letter, int count, std::vector<std::string>& words);

}  // namespace platform
