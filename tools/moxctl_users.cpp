// moxctl commands of the user registry: init, register, users, who.
#include <cstdio>

#include "store/store.h"
#include "tools/moxctl.h"
#include "users/registry.h"

namespace {

int CmdInit(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "init");
    if (!MakeStoreFolder(ctx.store.netDir)) {
        PrintErr(ctx, "ネットワークディレクトリを作成できません: " + ctx.store.netDir + "\n");
        return kExitFailed;
    }
    return kExitOk;
}

int CmdRegister(CommandContext& ctx) {
    if (ctx.args.empty() || ctx.args.size() > 2) return UsageError(ctx, "register");
    const std::string& name = ctx.args[0];
    std::string login = ctx.args.size() > 1 ? ctx.args[1] : std::string();
    if (name.empty() || name.size() > kUserNameMax || login.size() > kLoginNameMax) {
        PrintErr(ctx, "名前とLOGIN名は20バイト以内で入力してください\n");
        return kExitFailed;
    }
    RegisterResult r = RegisterNewUser(ctx.store, name, login);
    if (!r.ok) {
        if (r.messages.empty()) r.Fail("登録できませんでした");
        return Report(r);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%03d\n", r.number);
    PrintOut(ctx, text);
    return kExitOk;
}

int CmdUsers(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "users");
    RegistryRead registry = ReadRegistry(ctx.store);
    if (!registry.ok) {
        if (registry.absent) return kExitOk;
        ShowMessages(registry);
        return kExitFailed;
    }
    std::string out;
    for (const RegistryRecord& r : registry.records) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", r.number);
        out += std::string(number) + "\t" + r.name + "\t" + r.loginName + "\n";
    }
    PrintOut(ctx, out);
    // The whole records are listed; the torn one after them is the administrator's to mend.
    if (!registry.damaged) return kExitOk;
    PrintErr(ctx, std::string(kMsgRegistryDamaged) + "\n");
    return kExitFailed;
}

// Who is signed in now, as the client's connection list shows it.
int CmdWho(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "who");
    ConnectionList list = LoadConnectionList(ctx.store);
    std::string out;
    for (const std::string& line : list.lines) out += line + "\n";
    PrintOut(ctx, out);
    return Report(list);
}

}  // namespace

const CommandEntry kUserCommands[] = {
    {"init", CmdInit, "", false},
    {"register", CmdRegister, "NAME [LOGIN]", false},
    {"users", CmdUsers, "", false},
    {"who", CmdWho, "", false},
    {nullptr, nullptr, nullptr, false},
};
