// The broken-down time of list records: nine signed 16-bit values, little-endian, in the order
// seconds, minutes, hours, day of month (1-31), month (0-11), years since 1900, day of week
// (0 = Sunday), day of year (0-365), daylight-saving flag. Mail, boards, memos, broadcast lists
// and schedules all store their times this way. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kBrokenDownTimeSize = 18;

struct BrokenDownTime {
    int16_t seconds = 0;
    int16_t minutes = 0;
    int16_t hours = 0;
    int16_t day = 0;        // day of month, 1-31
    int16_t month = 0;      // 0-11
    int16_t year = 0;       // years since 1900
    int16_t weekday = 0;    // 0 = Sunday
    int16_t yearDay = 0;    // 0-365
    int16_t daylight = 0;   // daylight-saving flag
};

bool operator==(const BrokenDownTime& a, const BrokenDownTime& b);
inline bool operator!=(const BrokenDownTime& a, const BrokenDownTime& b) { return !(a == b); }

// The local time of this PC now.
BrokenDownTime LocalTimeNow();

void EncodeBrokenDownTime(const BrokenDownTime& time, unsigned char out[kBrokenDownTimeSize]);
BrokenDownTime DecodeBrokenDownTime(const unsigned char in[kBrokenDownTimeSize]);
