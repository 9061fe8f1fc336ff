#include "board/destination_text.h"

const char kMsgNoDestination[] = "行先がありません";
const char kMsgNothingSelected[] = "選択されてません";
const char kMsgSeveralSelected[] = "複数選択はできません";

std::vector<std::string> ParseDestinations(const std::string& bytes) {
    std::vector<std::string> entries;
    std::string collected;
    for (char c : bytes) {
        if (c == '\r') {
            entries.push_back(collected);
            collected.clear();
        } else if (c == '\n') {
            collected.clear();
        } else {
            collected += c;
        }
    }
    if (!collected.empty()) entries.push_back(collected);
    return entries;
}

std::string FormatDestinations(const std::vector<std::string>& entries) {
    std::string out;
    for (const std::string& e : entries) out += e + "\r\n";
    return out;
}

int MoveEntry(std::vector<std::string>& entries, const std::vector<bool>& selected, bool up,
              std::string* message) {
    int at = -1, count = 0;
    for (size_t i = 0; i < selected.size() && i < entries.size(); ++i)
        if (selected[i]) {
            at = static_cast<int>(i);
            ++count;
        }
    if (count == 0) {
        *message = kMsgNothingSelected;
        return -1;
    }
    if (count > 1) {
        *message = kMsgSeveralSelected;
        return -1;
    }
    const int n = static_cast<int>(entries.size());
    const std::string moved = entries[static_cast<size_t>(at)];
    entries.erase(entries.begin() + at);
    int to;
    if (up)
        to = at == 0 ? n - 1 : at - 1;
    else
        to = at == n - 1 ? 0 : at + 1;
    entries.insert(entries.begin() + to, moved);
    return to;
}
