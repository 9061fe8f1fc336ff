// The text of the mail log: what one exported item adds to the log file. Pure logic: no
// windows.h.
#pragma once
#include <string>
#include <vector>

#include "store/lists/list_record.h"

// The line that opens every item: 80 hyphens and CR LF.
std::string LogSeparator();
// "【受信】mm/dd hh:mm<TAB>NAME様より<TAB>SUBJECT" for a received item (list kind 0),
// "【送信】mm/dd hh:mm<TAB>NAME様へ<TAB>SUBJECT" for a sent one (kind 1), from the time of sending,
// the other party's name and the plain subject (a phone memo's caller); then CR LF.
std::string LogHeader(const MailRecord& record, int listKind);

// The positions of a view's selected lines in the order they are exported: from the last line
// up to the first, so that the items go into the log oldest first. Duplicates and positions
// outside the view are left out.
std::vector<long> LogExportOrder(long lineCount, const std::vector<long>& selected);
