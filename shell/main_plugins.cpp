#include "shell/main_plugins.h"

#include "mail/compose_dialog.h"
#include "mail/phone_dialogs.h"

namespace {

// The windows and dialogs of messages, the in/out board, chat, boards, memos, the calendar and
// the settings dialogs come with their parts.
MainPlugins MakePlugins() {
    MainPlugins p;
    p.mailCompose = RunMailDialog;
    p.phoneMemo = RunPhoneMemoEntry;
    return p;
}

}  // namespace

const MainPlugins& Plugins() {
    static const MainPlugins plugins = MakePlugins();
    return plugins;
}
