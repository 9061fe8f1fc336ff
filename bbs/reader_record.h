// The 32-byte reader record of a post's reader log (bbs<n>.chk of a board folder): one for the
// author when posting and one for each user when first opening the post. Pure logic: no
// windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "store/lists/broken_time.h"

constexpr size_t kReaderRecordSize = 32;
namespace reader_field {
constexpr size_t kReader = 0;  // signed 16-bit user number
constexpr size_t kYear = 2;    // signed 16-bit, counted from 1900
constexpr size_t kMonth = 4, kDay = 5, kHour = 6, kMinute = 7, kSecond = 8;  // one byte each
}  // namespace reader_field

struct ReaderRecord {
    int reader = 0;
    int year = 0;    // counted from 1900
    int month = 0;   // 0-11
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

ReaderRecord MakeReaderRecord(int reader, const BrokenDownTime& when);
std::string EncodeReaderRecord(const ReaderRecord& record);
ReaderRecord DecodeReaderRecord(const unsigned char in[kReaderRecordSize]);

// The line of one registered user in the reader list: the name, TAB, and the time of the first
// reading as "%02d/%02d/%02d %02d:%02d:%02d" (the last two digits of the year), or "未読" when
// none.
std::string ReaderListLine(const std::string& userName, const ReaderRecord* firstReading);
