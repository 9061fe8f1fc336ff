// The mail dialog (template 930): recipients from the user registry or a broadcast list, a
// subject, attachments and a body, sent as an ordinary or a confidential mail; and the
// attachment title dialog (940) that it opens for each attached file.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "mail/compose_text.h"

// An attachment of a shown item, forwarded as it lies in the own folder.
struct ForwardedAttachment {
    std::string storedPath;  // the stored copy in the own user folder
    std::string title;
};

// The item shown where a reply or a forward starts (the received-mail dialog, a board post),
// as plain data.
struct AnsweredItem {
    std::string subject;
    std::string body;          // plain, CR LF line ends
    int senderNumber = 0;      // the colleague to preselect for a reply; 0 for none
    std::string senderName;    // as registered: the forward's first line
    std::vector<ForwardedAttachment> attachments;  // carried by a forward
};

// Runs the mail dialog, modal. mode is a MailDialogMode; a reply or a forward needs the item
// it answers (without one the dialog opens empty). 1 when a mail was sent, 0 otherwise.
int OpenMailDialog(HWND owner, int mode, const AnsweredItem* item = nullptr);
// The main window's command 110 and the launcher's メール: a new mail.
int RunMailDialog(HWND owner);

// What the mail dialog and the dialogs that show a mail share (same control numbers): which
// attachment list is shown (paths or titles), 切換 between them, and 折返し between the body
// views, which hands the shown view's text to the other one and returns it.
int ShownAttachmentList(HWND dialog);
void SwitchAttachmentList(HWND dialog);
int SwitchBodyView(HWND dialog, int shown);
// The attachment chooser of the mail and post dialogs: a file of this PC picked in the platform's
// file-open dialog "ミトカ　添付ファイル選択"; false when cancelled.
bool ChooseAttachmentFile(HWND owner, std::string* path);
// The attachment title dialog (940) for the chosen file: the title typed, possibly empty.
std::string RunAttachmentTitleDialog(HWND owner, const std::string& path);

// Puts ">" before every line of the editor from the line holding the start of the selection
// to the line holding its end, as the editor shows them (a wrapped line counts as a line). A
// selection that ends where a line begins does not take that line in.
void QuoteLines(HWND dialog, int editor);
// Inserts the text file at the caret of the editor, any selection dropped first. 0 when the
// file cannot be opened or is too large ("ファイルが大きすぎます" shown), else 1.
int InsertTextFile(HWND dialog, int editor, const std::string& path);
