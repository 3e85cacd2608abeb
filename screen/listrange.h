// Printing a range of a list and writing it to a text file (Alt-P, Alt-W).
#pragma once

#include <cstdint>
#include <string>

class list2way;

enum class listwrite { written, notopened, notwritten };
// Lines from .. until, each cut at the list's width and followed by a line
// feed, written to path through the atomic save; on failure the file is
// left as it was.
listwrite writelines(list2way& list, int32_t from, int32_t until, const std::string& path);
// Lines from .. until printed as one list print job; false when the job
// did not start or failed.
bool printlines(list2way& list, int32_t from, int32_t until);

// The dialogues: ask the range (and the file), then print or write.
void printrange(list2way& list);
void writerange(list2way& list);
