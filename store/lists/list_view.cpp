#include "store/lists/list_view.h"

#include <algorithm>

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
