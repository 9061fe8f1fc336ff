#include "users/signin_texts.h"

#include <cstdlib>

#include "shell/window_math.h"

const char kMsgChooseName[] = "あなたの名前を選択してください";
const char kMsgWrongLoginName[] = "ＬＯＧＩＮ名が違います";
const char kMsgWrongPassword[] = "パスワードが違います";
const char kMsgWrongOldPassword[] = "旧パスワードに誤りがあります";
const char kMsgRetypeMismatch[] = "パスワードの再入力に誤りがあります";
const char kMsgPasswordNotWritten[] = "パスワードの書き込みに失敗しました";
const char kMsgRegistrationFailed[] = "登録できませんでした。";

namespace {
const char kDirLabel[] = "ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：";
}

std::string ClaimNameQuestion(const std::string& netDir, const std::string& name) {
    return kDirLabel + netDir + "\n名前：" + name + "\nで登録してもいいですか？";
}

std::string SharedPcQuestion(const std::string& netDir) {
    return kDirLabel + netDir + "\n共用パソコンで登録してもいいですか？";
}

std::string SelfRegistrationQuestion(const std::string& netDir, const std::string& name,
                                     const std::string& loginName) {
    return kDirLabel + netDir + "\n名前：" + name + "\nLOGIN名：" + loginName +
           "で登録してもいいですか？";
}

PasswordChangeCheck CheckPasswordChange(const std::string& current, const std::string& oldEntry,
                                        const std::string& newEntry,
                                        const std::string& newAgain) {
    if (oldEntry != current) return PasswordChangeCheck::kWrongOld;
    if (newEntry != newAgain) return PasswordChangeCheck::kRetypeMismatch;
    return PasswordChangeCheck::kOk;
}

int PickedUserNumber(const std::string& line) {
    size_t at = TabFieldOffset(line, 1);
    if (at > line.size()) return 0;
    return std::atoi(line.c_str() + at);
}
