#include "mail/list_line.h"

#include <algorithm>
#include <cstdio>

#include "store/sjis.h"

const char* ListFileName(int listKind) {
    switch (listKind) {
        case kListReceived:
        case kListPhoneMemos: return "rcvlst.mox";
        case kListSent: return "sndlst.mox";
        case kListPosts: return "bbslst.mox";
        case kListMemos: return "memolst.mox";
        case kListGroups: return "grplst.mox";
        case kListSchedule: return "schlst.mox";
        default: return "";
    }
}

std::vector<int> ListTabStops(int listKind) {
    switch (listKind) {
        case kListReceived:
        case kListSent:
        case kListSchedule:
        case kListPhoneMemos: return {20, 66, 112};
        case kListPosts: return {20, 40, 66};
        case kListMemos: return {22};
        default: return {};
    }
}

std::string NameWithHonorific(const std::string& name) { return CutSjis(name + "様", 10); }

static std::string SentTimeText(const BrokenDownTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%2d/%2d %2d:%2d", t.month + 1, t.day, t.hours, t.minutes);
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

long RecordIndexAt(long lineCount, long position) { return lineCount - position - 1; }

std::vector<DeletionStep> DeletionOrder(long lineCount, const std::vector<long>& selected) {
    std::vector<long> positions;
    for (long p : selected)
        if (p >= 0 && p < lineCount) positions.push_back(p);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    std::vector<DeletionStep> steps;
    long count = lineCount;
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) steps.push_back({*it, count--});
    return steps;
}
