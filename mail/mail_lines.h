// The lines that the list windows show for mail and phone-memo records. Pure logic: no
// windows.h.
#pragma once
#include <string>

#include "store/lists/list_record.h"
#include "store/lists/list_view.h"

// The line of a received (kind 0) or sent (kind 1) list: the kind digit ("1" phone memo, "2"
// otherwise), the confidential digit, the status text, TAB, "%2d/%2d %2d:%2d" of the time of
// sending, TAB, the other party's name with "様" cut to 10 bytes, TAB, the subject, and for a
// phone memo "様から電話です". The list windows strip the two digits and draw by them.
std::string MailListLine(const MailRecord& record, int listKind);
// The line of a colleague's phone-memo list (kind 7) for the record at index in the file.
std::string PhoneMemoListLine(const MailRecord& record, long index);
// The time a phone memo's call came, as its dialogs show it: "%2d月%2d日 %2d時%2d分" (month + 1,
// day, hours, minutes).
std::string CallTimeText(const BrokenDownTime& time);
// The other party's name followed by "様", cut to its first 10 bytes. The cut never splits a
// double-byte character: half a character would swallow the TAB after it.
std::string NameWithHonorific(const std::string& name);
