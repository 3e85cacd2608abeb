#include "platform/core/keydown.h"

namespace platform {

int ctrlchar(int vk, int ch)
{
    if (vk >= vk::lettera && vk <= vk::letterz)
        return vk - vk::lettera + 1;
    switch (ch) {
    case '[': return 27;
    case '\\': return 28;
    case ']': return 29;
    }
    if (vk == vk::enter)
        return 10;
    if (vk == vk::backspace)
        return 127;
    return 0;
}

}  // namespace platform
