#include "shell/main_plugins.h"

#include "mail/compose_dialog.h"
#include "users/signin_dialogs.h"

namespace {

MainPlugins MakePlugins() {
    MainPlugins p;
    p.passwordChange = RunPasswordChangeDialog;
    p.mailCompose = RunMailDialog;
    return p;
}

}  // namespace

const MainPlugins& Plugins() {
    static const MainPlugins plugins = MakePlugins();
    return plugins;
}
