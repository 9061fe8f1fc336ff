#include "shell/main_plugins.h"

#include "users/connection_dialog.h"

namespace {

MainPlugins MakePlugins() {
    MainPlugins plugins;
    plugins.connectionList = RunConnectionListDialog;
    return plugins;
}

}  // namespace

const MainPlugins& Plugins() {
    // The windows and dialogs of messages, the in/out board, chat, boards, memos, the calendar
    // and the settings dialogs come with their parts.
    static const MainPlugins plugins = MakePlugins();
    return plugins;
}
