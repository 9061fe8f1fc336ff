#include "mail/mail_log_text.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "store/lists/list_view.h"

std::string LogSeparator() { return std::string(80, '-') + "\r\n"; }

std::string LogHeader(const MailRecord& record, int listKind) {
    const bool sent = listKind == kListSent;
    char when[64];
    std::snprintf(when, sizeof when, "%02d/%02d %02d:%02d", record.sentTime.month + 1,
                  record.sentTime.day, record.sentTime.hours, record.sentTime.minutes);
    return std::string(sent ? "【送信】" : "【受信】") + when + "\t" + record.userName +
           (sent ? "様へ" : "様より") + "\t" + record.subject + "\r\n";
}

std::vector<long> LogExportOrder(long lineCount, const std::vector<long>& selected) {
    std::vector<long> order;
    for (long p : selected)
        if (p >= 0 && p < lineCount) order.push_back(p);
    std::sort(order.begin(), order.end(), std::greater<long>());
    order.erase(std::unique(order.begin(), order.end()), order.end());
    return order;
}
