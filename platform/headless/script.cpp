#include "platform/headless/script.h"

#include "platform/core/codepage.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <strings.h>

namespace platform {

namespace {

struct namedkey {
    const char* name;
    int vk, ch;
};

constexpr namedkey named[] = {
    {"Enter", vk::enter, 13}, {"Esc", vk::escape, 27}, {"Tab", vk::tab, 9},
    {"Backspace", vk::backspace, 8}, {"Space", vk::space, ' '}, {"Ins", vk::ins, 0},
    {"Del", vk::del, 0}, {"Home", vk::home, 0}, {"End", vk::end, 0}, {"PgUp", vk::pgup, 0},
    {"PgDn", vk::pgdn, 0}, {"Up", vk::up, 0}, {"Down", vk::down, 0}, {"Left", vk::left, 0},
    {"Right", vk::right, 0},
};

struct answerword {
    const char* word;
    answerkind kind;
};

constexpr answerword answers[] = {
    {"yes", answerkind::yes}, {"no", answerkind::no}, {"ok", answerkind::ok},
    {"cancel", answerkind::cancel}, {"text", answerkind::text}, {"file", answerkind::file},
    {"font", answerkind::font}, {"dialog", answerkind::dialog},
};

// The virtual key of a typed character, where it has one.
int vkofchar(int ch)
{
    if (ch >= 'a' && ch <= 'z')
        return ch - 'a' + vk::lettera;
    if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == ' ')
        return ch;
    return 0;
}

// Strips the modifier prefixes S-, C- and A- (held keys).
std::string modifiers(std::string word, keydown& k)
{
    while (word.size() > 2 && word[1] == '-') {
        char m = word[0];
        if (m == 'S')
            k.shift = true;
        else if (m == 'C')
            k.ctrl = true;
        else if (m == 'A')
            k.alt = true;
        else
            break;
        word.erase(0, 2);
    }
    return word;
}

// The character a named key gives with its modifiers, as a keyboard does.
void keychar(keydown& k)
{
    if (k.alt)
        k.ch = 0;
    else if (k.ctrl)
        k.ch = ctrlchar(k.vk, k.ch);
    else if (k.shift && k.ch >= 'a' && k.ch <= 'z')
        k.ch -= 'a' - 'A';
    else if (k.shift && k.vk == vk::tab)
        k.ch = 0;  // Shift-Tab is an extended key
}

bool keyname(const std::string& word, scriptitem& item)
{
    keydown k;
    std::string name = modifiers(word, k);
    bool found = false;
    for (const namedkey& n : named)
        if (!strcasecmp(n.name, name.c_str())) {
            k.vk = n.vk;
            k.ch = n.ch;
            found = true;
        }
    int n;
    if (!found && (name[0] == 'F' || name[0] == 'f') && name.size() <= 3
        && scriptnumber(name.substr(1), 1, 12, n)) {
        k.vk = vk::f1 + n - 1;
        found = true;
    }
    if (!found && name.size() == 1 && vkofchar(name[0]) && name[0] != ' ') {
        k.vk = vkofchar(name[0]);
        k.ch = name[0] >= 'A' && name[0] <= 'Z' ? name[0] - 'A' + 'a' : name[0];
        found = true;
    }
    if (!found)
        return false;
    keychar(k);
    item.kind = itemkind::key;
    item.key = k;
    return true;
}

// A decimal number within [low, high]; else problem says what is wrong.
bool number(const std::string& word, long low, long high, int& value, std::string& problem)
{
    if (!scriptnumber(word, low, high, value)) {
        problem = word + " is not a number from " + std::to_string(low) + " to " + std::to_string(high);
        return false;
    }
    return true;
}

bool mouseitem(std::vector<std::string>& words, scriptitem& item, std::string& problem)
{
    std::string verb = modifiers(words[0], item.key);
    if (verb == "click" || verb == "press")
        item.action = mouseaction::press;
    else if (verb == "move")
        item.action = mouseaction::move;
    else if (verb == "release")
        item.action = mouseaction::release;
    else
        return false;
    item.kind = itemkind::mouse;
    item.click = verb == "click";
    if (words.size() < 3)
        return false;
    for (size_t i = 3; i < words.size(); ++i) {
        if (words[i] == "right")
            item.button = mousebutton::right;
        else if (words[i] == "px")
            item.pixels = true;
        else
            return false;
    }
    // Cells lie on the screen; client pixels are 16-bit, as the mouse
    // position is kept, and may lie outside while the mouse is captured.
    if (item.pixels)
        return number(words[1], SHRT_MIN, SHRT_MAX, item.x, problem)
               && number(words[2], SHRT_MIN, SHRT_MAX, item.y, problem);
    return number(words[1], 1, cellcolumns, item.x, problem) && number(words[2], 1, cellrows, item.y, problem);
}

bool parseitem(const std::string& body, scriptitem& item, std::string& problem)
{
    std::istringstream in(body);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    if (words.empty())
        return false;
    const std::string& head = words[0];
    std::string rest = body.substr(std::min(body.size(), body.find(head) + head.size()));
    rest.erase(0, rest.find_first_not_of(' '));
    if (head == "busy" && words.size() == 2) {
        item.kind = itemkind::busy;
        return number(words[1], 0, 1000000000, item.number, problem);
    }
    if (head == "busy" || head == "/busy" || head == "close") {
        item.kind = head == "busy" ? itemkind::busy : head == "close" ? itemkind::close : itemkind::endbusy;
        return words.size() == 1;
    }
    if (head == "key" || head == "menu") {
        item.kind = head == "key" ? itemkind::code : itemkind::menu;
        return words.size() == 2 && number(words[1], 1, 65535, item.number, problem);
    }
    if (head == "info" && words.size() == 2) {
        item.kind = itemkind::info;
        item.infoclose = words[1] == "close";
        if (item.infoclose)
            return true;
        bool named = keyname(words[1], item);
        item.kind = itemkind::info;
        return named;
    }
    if (head == "dump") {
        item.kind = itemkind::dump;
        item.text = rest;
        if (rest.size() > NAME_MAX - 4)  // room for ".txt"
            problem = "the name is too long";
        return words.size() == 2 && rest.find('/') == std::string::npos && problem.empty();
    }
    for (const answerword& a : answers)
        if (head == a.word) {
            item.kind = itemkind::answer;
            item.answer = a.kind;
            item.text = rest;
            return a.kind >= answerkind::text || words.size() == 1;
        }
    if (words.size() > 1)
        return mouseitem(words, item, problem);
    return keyname(head, item);
}

}  // namespace

bool scriptnumber(const std::string& word, long low, long high, int& value)
{
    size_t sign = !word.empty() && word[0] == '-';
    if (word.size() == sign || word.find_first_not_of("0123456789", sign) != std::string::npos)
        return false;
    errno = 0;
    long v = std::strtol(word.c_str(), nullptr, 10);
    if (errno == ERANGE || v < low || v > high)
        return false;
    value = int(v);
    return true;
}

bool parsescript(const std::string& text, std::vector<scriptitem>& items, std::string& error)
{
    items.clear();
    int line = 1;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(line) + ": " + what;
        return false;
    };
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        if (c == '\n' || c == '\r') {
            line += c == '\n';
            ++i;
            continue;
        }
        scriptitem item;
        if (c == '<' && (i + 1 == text.size() || text[i + 1] != '<')) {
            size_t close = text.find('>', i);
            size_t nl = text.find('\n', i);
            if (close == std::string::npos || close > nl)
                return fail("unclosed item");
            item.source = text.substr(i, close + 1 - i);
            std::string problem;
            if (!parseitem(text.substr(i + 1, close - i - 1), item, problem))
                return fail((problem.empty() ? "unknown item " : problem + " in ") + item.source);
            i = close + 1;
        } else {
            size_t start = i;
            int ch = c == '<' ? (i += 2, '<') : decodeutf8(text, i);
            item.source = text.substr(start, i - start);
            // The font's code page is known only when the key is typed;
            // here a character that no text font shows is refused.
            if (ch <= 0 || (codepagebyte(ch, true) < 0 && codepagebyte(ch, false) < 0))
                return fail("character " + item.source + " cannot be typed");
            item.key.ch = ch;
            item.key.vk = vkofchar(ch);
        }
        items.push_back(item);
    }
    return true;
}

}  // namespace platform
