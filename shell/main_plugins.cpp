#include "shell/main_plugins.h"

#include "bbs/bbs_window.h"
#include "board/board_dialogs.h"
#include "board/bord_window.h"
#include "chat/chat_window.h"
#include "calendar/calendar_window.h"
#include "mail/compose_dialog.h"
#include "mail/phone_dialogs.h"
#include "mail/received_window.h"
#include "mail/sent_window.h"
#include "memo/memo_window.h"
#include "messages/message_dialog.h"
#include "messages/message_window.h"
#include "shell/environment_dialog.h"
#include "shell/menu_dialogs.h"
#include "users/connection_dialog.h"

namespace {

// The windows and dialogs of messages, the in/out board, chat, boards and the calendar come
// with their parts.
MainPlugins MakePlugins() {
    MainPlugins p;
    p.mailCompose = RunMailDialog;
    p.phoneMemo = RunPhoneMemoEntry;
    p.connectionList = RunConnectionListDialog;
    p.windowProcedures[static_cast<int>(SubWindow::kMemo)] = MemoWindowProc;
    p.windowProcedures[static_cast<int>(SubWindow::kCale)] = CalendarWindowProc;
    p.windowProcedures[static_cast<int>(SubWindow::kCaleMonth)] = CalendarGridProc;
    p.environmentSettings = OpenEnvironmentDialog;
    p.menuSettings = RunMenuSettings;
    p.regionSettings = RunRegionBinding;
    p.windowProcedures[static_cast<int>(SubWindow::kRcvList)] = ReceivedListWindowProc;
    p.windowProcedures[static_cast<int>(SubWindow::kSndList)] = SentListWindowProc;
    p.windowProcedures[static_cast<int>(SubWindow::kBbs)] = BbsWindowProc;
    p.message = RunMessageDialog;
    p.windowProcedures[static_cast<int>(SubWindow::kMsg)] = MessageWindowProc;
    p.destinationList = RunDestinationDialog;
    p.ownDestinationEntry = RunOwnDestinationEntry;
    p.windowProcedures[static_cast<int>(SubWindow::kBord)] = BordWindowProc;
    // The board's ﾒｯｾｰｼﾞ opens whatever the main window's slot opens.
    BordMessageDialog() = p.message;
    p.chatEntry = RunChatEntryDialog;
    p.windowProcedures[static_cast<int>(SubWindow::kChat)] = ChatWindowProc;
    return p;
}

}  // namespace

const MainPlugins& Plugins() {
    static const MainPlugins plugins = MakePlugins();
    return plugins;
}
