// The daily fortune texts and the date stamp that shows them once a day. Pure logic.
#pragma once
#include <string>

constexpr int kFortuneCount = 41;

// Fortune text number 1..41 (Shift_JIS); "" outside that range.
const char* FortuneText(int number);
// The fortune number for a pseudo-random value: (r mod 41) + 1.
int FortuneNumberFor(unsigned r);
// "%02d%02d%02d" of years since 1900, month 1..12 and day of month.
std::string FortuneDateStamp(int yearsSince1900, int month1to12, int day);
