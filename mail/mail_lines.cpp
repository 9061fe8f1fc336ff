#include "mail/mail_lines.h"

#include <cstdio>

#include "store/sjis.h"

std::string NameWithHonorific(const std::string& name) { return CutSjis(name + "様", 10); }

static std::string SentTimeText(const BrokenDownTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%2d/%2d %2d:%2d", t.month + 1, t.day, t.hours, t.minutes);
    return text;
}

std::string CallTimeText(const BrokenDownTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%2d月%2d日 %2d時%2d分", t.month + 1, t.day, t.hours,
                  t.minutes);
    return text;
}

static const char* StatusText(int status, int listKind) {
    if (listKind == kListSent) {
        switch (status) {
            case kStatusUnopened: return "未読";
            case kStatusOpened: return "受信";
            case kStatusDeleted: return "削除";
            default: return "";
        }
    }
    return status == kStatusUnopened ? "未読" : "";
}

static const char kPhoneSuffix[] = "様から電話です";

std::string MailListLine(const MailRecord& record, int listKind) {
    std::string line = record.kind == kItemPhoneMemo ? "1" : "2";
    line += IsConfidential(record.shiftFlag) ? "1" : "0";
    line += StatusText(record.status, listKind);
    line += "\t" + SentTimeText(record.sentTime) + "\t";
    line += NameWithHonorific(record.userName);
    line += "\t" + record.subject;
    if (record.kind == kItemPhoneMemo) line += kPhoneSuffix;
    return line;
}

std::string PhoneMemoListLine(const MailRecord& record, long index) {
    char number[16];
    std::snprintf(number, sizeof number, "%04ld", index);
    return std::string(StatusText(record.status, kListReceived)) + "\t" +
           SentTimeText(record.sentTime) + "\t" + NameWithHonorific(record.userName) + "\t" +
           record.subject + kPhoneSuffix + "\t" + number;
}
