#include "platform/core/cmdline.h"

namespace platform {

namespace {

std::vector<std::string> words_;

bool isswitchstart(const std::string& w)
{
    return !w.empty() && (w[0] == '-' || w[0] == '/');
}

}  // namespace

void setcommandline(std::vector<std::string> words)
{
    words_ = std::move(words);
}

const std::vector<std::string>& commandline()
{
    return words_;
}

int getoption(char letter, int count, std::vector<std::string>& words)
{
    words.clear();
    for (size_t i = 0; i < words_.size(); ++i) {
        const std::string& w = words_[i];
        if (w.size() != 2 || !isswitchstart(w) || w[1] != letter)
            continue;
        for (size_t j = i + 1; j < words_.size() && int(words.size()) < count; ++j) {
            if (isswitchstart(words_[j]))
                break;
            words.push_back(words_[j]);
        }
        return int(words.size());
    }
    return -1;
}

}  // namespace platform
