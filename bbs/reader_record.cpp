#include "bbs/reader_record.h"

#include <cstdio>

#include "store/bytes.h"

namespace rf = reader_field;

ReaderRecord MakeReaderRecord(int reader, const BrokenDownTime& when) {
    ReaderRecord r;
    r.reader = reader;
    r.year = when.year;
    r.month = when.month;
    r.day = when.day;
    r.hour = when.hours;
    r.minute = when.minutes;
    r.second = when.seconds;
    return r;
}

std::string EncodeReaderRecord(const ReaderRecord& record) {
    std::string out(kReaderRecordSize, '\0');
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&out[0]);
    PutInt16(bytes + rf::kReader, record.reader);
    PutInt16(bytes + rf::kYear, record.year);
    bytes[rf::kMonth] = static_cast<unsigned char>(record.month);
    bytes[rf::kDay] = static_cast<unsigned char>(record.day);
    bytes[rf::kHour] = static_cast<unsigned char>(record.hour);
    bytes[rf::kMinute] = static_cast<unsigned char>(record.minute);
    bytes[rf::kSecond] = static_cast<unsigned char>(record.second);
    return out;
}

ReaderRecord DecodeReaderRecord(const unsigned char in[kReaderRecordSize]) {
    ReaderRecord r;
    r.reader = GetInt16(in + rf::kReader);
    r.year = GetInt16(in + rf::kYear);
    r.month = in[rf::kMonth];
    r.day = in[rf::kDay];
    r.hour = in[rf::kHour];
    r.minute = in[rf::kMinute];
    r.second = in[rf::kSecond];
    return r;
}

std::string ReaderListLine(const std::string& userName, const ReaderRecord* firstReading) {
    if (!firstReading) return userName + "\t未読";
    const ReaderRecord& r = *firstReading;
    // Two digits of the year, as the column was made for: the year counted from 1900 would show
    // 2026 as "126".
    char time[64];
    std::snprintf(time, sizeof time, "%02d/%02d/%02d %02d:%02d:%02d", ((r.year % 100) + 100) % 100,
                  r.month + 1, r.day, r.hour, r.minute, r.second);
    return userName + "\t" + time;
}
