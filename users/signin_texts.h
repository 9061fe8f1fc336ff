// The questions and messages of first-run setup, login and password dialogs, and the small
// decisions behind them. Pure logic: no windows.h.
#pragma once
#include <string>

constexpr size_t kNetDirMax = 255;

// "ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：<dir>\n名前：<name>\nで登録してもいいですか？"
std::string ClaimNameQuestion(const std::string& netDir, const std::string& name);
// "ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：<dir>\n共用パソコンで登録してもいいですか？"
std::string SharedPcQuestion(const std::string& netDir);
// "ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：<dir>\n名前：<name>\nLOGIN名：<login>で登録してもいいですか？"
std::string SelfRegistrationQuestion(const std::string& netDir, const std::string& name,
                                     const std::string& loginName);

extern const char kMsgChooseName[];        // no name selected in first-run setup
extern const char kMsgWrongLoginName[];
extern const char kMsgWrongPassword[];
extern const char kMsgWrongOldPassword[];
extern const char kMsgRetypeMismatch[];
extern const char kMsgPasswordNotWritten[];  // the password file could not be written
extern const char kMsgRegistrationFailed[];  // a failed registration that said nothing itself

enum class PasswordChangeCheck { kOk, kWrongOld, kRetypeMismatch };
// The old entry must equal the current password exactly; then the two new entries must agree.
PasswordChangeCheck CheckPasswordChange(const std::string& current, const std::string& oldEntry,
                                        const std::string& newEntry,
                                        const std::string& newAgain);

// The user number of a picker line "name\tnumber": the text after the first TAB, as the
// platform's decimal conversion reads it (0 when there is none).
int PickedUserNumber(const std::string& line);
