#include "screen/clipboard.h"

#include <cstring>
#include <new>

#include "screen/msgbuffer.h"

void clipboard::clipinit()
{
    block.reset();
    capacity = 0;
}

void clipboard::clipfree()
{
    clipinit();
}

bool clipboard::clipempty() const
{
    return capacity == 0 || !block || block[0] == 0;
}

int32_t clipboard::cliplength() const
{
    return capacity == 0 || !block ? 0 : int32_t(strlen(block.get()));
}

bool clipboard::clipset(const char* text, int32_t n)
{
    if (n < 0 || (n > 0 && !text))
        return false;
    if (n >= capacity) {
        std::unique_ptr<char[]> grown(new (std::nothrow) char[size_t(n) + 1]);
        if (!grown)
            return false;
        block = std::move(grown);
        capacity = n + 1;
    }
    memcpy(block.get(), text, size_t(n));
    block[n] = 0;
    return true;
}

const char* clipboard::cliptext() const
{
    return clipempty() ? nullptr : block.get();
}

void clipboard::setclipbuffer(std::unique_ptr<char[]> newblock, int32_t newcapacity)
{
    block = std::move(newblock);
    capacity = block ? newcapacity : 0;
}

clipboard& textclipboard(int n)
{
    static clipboard boards[textclipboards];
    return boards[(n < 1 || n > textclipboards) ? 0 : n - 1];
}

void blockhelp(msgbuffer& m)
{
    m.addf("\n Use <shift> with the arrow keys to mark a block. \n\r Once marked, this block can be\n\r"
           " - deleted with <shift>+<del>\n\r"
           " - copied to one of 5 clipboards with <shift>+ (<F5>..<F9>) \n\r"
           " Press <F5>..<F9> to insert clipboard contents at the\n\r cursor position\n\r");
}
