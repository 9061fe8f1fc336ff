#include "store/lists/broken_time.h"

#include <ctime>

#include "store/bytes.h"

namespace {

constexpr int kFieldCount = 9;

// The nine values in their stored order.
void ToValues(const BrokenDownTime& t, int16_t v[kFieldCount]) {
    v[0] = t.seconds; v[1] = t.minutes; v[2] = t.hours;
    v[3] = t.day;     v[4] = t.month;   v[5] = t.year;
    v[6] = t.weekday; v[7] = t.yearDay; v[8] = t.daylight;
}

BrokenDownTime FromValues(const int16_t v[kFieldCount]) {
    BrokenDownTime t;
    t.seconds = v[0]; t.minutes = v[1]; t.hours = v[2];
    t.day = v[3];     t.month = v[4];   t.year = v[5];
    t.weekday = v[6]; t.yearDay = v[7]; t.daylight = v[8];
    return t;
}

}  // namespace

bool operator==(const BrokenDownTime& a, const BrokenDownTime& b) {
    int16_t va[kFieldCount], vb[kFieldCount];
    ToValues(a, va);
    ToValues(b, vb);
    for (int i = 0; i < kFieldCount; ++i)
        if (va[i] != vb[i]) return false;
    return true;
}

BrokenDownTime LocalTimeNow() {
    std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local) return BrokenDownTime();
    const int16_t v[kFieldCount] = {
        static_cast<int16_t>(local->tm_sec),  static_cast<int16_t>(local->tm_min),
        static_cast<int16_t>(local->tm_hour), static_cast<int16_t>(local->tm_mday),
        static_cast<int16_t>(local->tm_mon),  static_cast<int16_t>(local->tm_year),
        static_cast<int16_t>(local->tm_wday), static_cast<int16_t>(local->tm_yday),
        static_cast<int16_t>(local->tm_isdst)};
    return FromValues(v);
}

void EncodeBrokenDownTime(const BrokenDownTime& time, unsigned char out[kBrokenDownTimeSize]) {
    int16_t v[kFieldCount];
    ToValues(time, v);
    for (int i = 0; i < kFieldCount; ++i) PutInt16(out + 2 * i, v[i]);
}

BrokenDownTime DecodeBrokenDownTime(const unsigned char in[kBrokenDownTimeSize]) {
    int16_t v[kFieldCount];
    for (int i = 0; i < kFieldCount; ++i) v[i] = GetInt16(in + 2 * i);
    return FromValues(v);
}
