#include "shell/main_plugins.h"

#include "users/signin_dialogs.h"

namespace {

MainPlugins MakePlugins() {
    MainPlugins p;
    p.passwordChange = RunPasswordChangeDialog;
    return p;
}

}  // namespace

const MainPlugins& Plugins() {
    static const MainPlugins plugins = MakePlugins();
    return plugins;
}
