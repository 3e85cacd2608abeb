// The read-error box breaks the buffer into lines at blanks, so that no
// line is wider than the box and no word is cut that fits on a line.
#include "formula/recordio.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/report.h"

namespace {

// The lines of the buffer part of the last report (after its "Buffer
// contents:" line), as the box shows them, without the blank before and
// after each.
std::vector<std::string> bufferlines()
{
    std::string text = recordedreports().back().text;
    text = text.substr(text.find("Buffer contents:") + 16) + " ";
    std::vector<std::string> lines;
    for (size_t at = 0; (at = text.find("\n\r ", at)) != std::string::npos; at += 3) {
        size_t end = std::min(text.find(" \n\r ", at + 3), text.size() - 1);
        lines.push_back(text.substr(at + 3, end - at - 3));
    }
    return lines;
}

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> all;
    for (std::string w; in >> w;)
        all.push_back(w);
    return all;
}

std::string withoutblanks(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\r'; });
    return text;
}

TEST(recordio, ReadErrorBoxesBreakLinesBetweenWords)
{
    const std::string filler = "RKITERATOR and some words of a line that is quite long indeed @BODYX ";
    struct {
        std::string buffer;
        size_t lines;
        bool wordswhole;   // every word fits on a line
    } cases[] = {
        {"value", 1, true},
        {filler + "more words here to fill", 2, true},
        {filler + filler + filler + filler, 4, true},
        {"\n Runge-Kutta record: order 1 to 12 expected, \n\r arclength mode only \n@ORDER", 3, true},
        {std::string(150, 'w') + " tail", 3, false},
    };
    for (const auto& c : cases) {
        clearrecordedreports();
        libreaderror(c.buffer.c_str(), "RKiterator::learn");
        std::vector<std::string> shown = bufferlines();
        EXPECT_EQ(shown.size(), c.lines) << c.buffer;
        std::string joined;
        for (const std::string& line : shown) {
            EXPECT_LE(line.size(), 70u) << line;
            joined += line + "\n";
        }
        EXPECT_EQ(withoutblanks(joined), withoutblanks(c.buffer)) << c.buffer;
        if (c.wordswhole) {
            EXPECT_EQ(words(joined), words(c.buffer)) << c.buffer;
        }
    }
    clearrecordedreports();
}

}  // namespace
