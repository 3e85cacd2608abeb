#include "base/datestamp.h"

#include <chrono>
#include <ctime>

void datestamp::now()
{
    auto clock = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(clock);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(clock.time_since_epoch()) % 1000;
    std::tm local{};
    localtime_r(&t, &local);
    year = short(local.tm_year + 1900);
    month = (unsigned char)(local.tm_mon + 1);
    day = (unsigned char)local.tm_mday;
    hour = (unsigned char)local.tm_hour;
    minute = (unsigned char)local.tm_min;
    second = (unsigned char)local.tm_sec;
    millisecond = (unsigned short)ms.count();
}

unsigned short timeseed(const datestamp& s)
{
    unsigned seconds = ((s.day * 24u + s.hour) * 60u + s.minute) * 60u + s.second;
    return (unsigned short)(seconds * 1000u + s.millisecond + s.month * 7919u + s.year);
}
