#include "shell/main_plugins.h"

const MainPlugins& Plugins() {
    // Nothing is plugged in yet: the windows and dialogs of messages, the in/out board, chat,
    // boards, memos, the calendar and the settings dialogs come with their parts.
    static const MainPlugins plugins;
    return plugins;
}
