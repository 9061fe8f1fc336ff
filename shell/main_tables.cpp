#include "shell/main_tables.h"

#include "res/main_ids.h"
#include "shell/window_names.h"
#include "store/sjis.h"

namespace {

// By function number: 受信簿 送信簿 掲示板 チャット メール 電話メモ メッセージ 行先掲示板 メモ
// 接続名一覧 カレンダー.
constexpr int kFunctionCommands[] = {kRunOwnDestinationEntry, CMD_RECEIVED, CMD_SENT, CMD_BOARDS,
                                     CMD_CHAT, CMD_MAIL, CMD_PHONE_MEMO, CMD_MESSAGE,
                                     CMD_INOUT_BOARD, CMD_MEMO, CMD_CONNECTIONS, CMD_CALENDAR};
constexpr int kRightClickCommands[] = {kRunOwnDestinationEntry, CMD_RECEIVED, CMD_SENT,
                                       CMD_BOARDS, CMD_CHAT, CMD_MAIL, CMD_PHONE_MEMO,
                                       CMD_MESSAGE};

template <size_t N>
int Lookup(const int (&table)[N], int index) {
    return index >= 0 && index < static_cast<int>(N) ? table[index] : kRunNothing;
}

}  // namespace

int FunctionCommand(int function) { return Lookup(kFunctionCommands, function); }
int RightClickCommand(int rclk) { return Lookup(kRightClickCommands, rclk); }

const SystemMenuEntry kSystemMenuEntries[] = {
    {SystemMenuEntry::kPopup, 0, "オプション(&O)"},
    {SystemMenuEntry::kPopupItem, CMD_CONNECTIONS, "接続名一覧(&C)..."},
    {SystemMenuEntry::kPopupItem, CMD_ENVIRONMENT, "環境設定(&E)..."},
    {SystemMenuEntry::kPopupItem, CMD_MENU_SETTINGS, "メニュー設定(&N)..."},
    {SystemMenuEntry::kPopupItem, CMD_PASSWORD, "パスワード変更(&P)..."},
    {SystemMenuEntry::kPopupItem, CMD_DESTINATIONS, "行先登録(&D)..."},
    {SystemMenuEntry::kPopup, 0, "送信(&S)"},
    {SystemMenuEntry::kPopupItem, CMD_MAIL, "メール(&M)..."},
    {SystemMenuEntry::kPopupItem, CMD_PHONE_MEMO, "電話メモ(&T)..."},
    {SystemMenuEntry::kPopupItem, CMD_MESSAGE, "メッセージ(&S)..."},
    {SystemMenuEntry::kPopupItem, CMD_SENT, "送信簿(&L)..."},
    {SystemMenuEntry::kPopup, 0, "受信(&R)"},
    {SystemMenuEntry::kPopupItem, CMD_RECEIVED, "受信簿(&R)..."},
    {SystemMenuEntry::kPopup, 0, "お話し(&T)"},
    {SystemMenuEntry::kPopupItem, CMD_CHAT, "チャット(&C)..."},
    {SystemMenuEntry::kPopup, 0, "掲示板(&B)"},
    {SystemMenuEntry::kPopupItem, CMD_INOUT_BOARD, "行先掲示板(&I)..."},
    {SystemMenuEntry::kPopupItem, CMD_BOARDS, "掲示板(&B)..."},
    {SystemMenuEntry::kPopup, 0, "ヘルプ(&H)"},
    {SystemMenuEntry::kPopupItem, CMD_ABOUT, "バージョン情報(&A)..."},
    {SystemMenuEntry::kItem, CMD_MEMO, "メモ(&N)..."},
    {SystemMenuEntry::kItem, CMD_CALENDAR, "カレンダー(&B)..."},
};
const int kSystemMenuEntryCount = sizeof kSystemMenuEntries / sizeof kSystemMenuEntries[0];

unsigned char MenuKanaKey(const std::string& label) {
    // Walk by characters: the trail byte of a double-byte character may look like '&' or '/'.
    for (size_t i = 0; i + 3 < label.size();) {
        if (label[i] == '&' && label[i + 2] == '/') {
            unsigned char kana = static_cast<unsigned char>(label[i + 3]);
            // Half-width katakana are single bytes 0xA6..0xDF in code page 932.
            return kana >= 0xA6 && kana <= 0xDF ? kana : 0;
        }
        i += SjisCharLength(label, i);
    }
    return 0;
}

std::string MainTitleText(const std::string& title, bool newMail) {
    std::string text = std::string(kCaption) + " " + title;
    if (newMail) text += " メール";
    return text;
}
