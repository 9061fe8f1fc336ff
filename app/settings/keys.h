// The sections and keys of the two settings files, each written here once. Their names are the
// files' format: other versions of the client read the same keys. Pure logic: no windows.h.
#pragma once

// Sections.
inline constexpr char kSectionEnvironment[] = "Environment";
inline constexpr char kSectionWave[] = "Wave";
// The remembered rectangles of the sub-windows (per-user settings).
inline constexpr char kSectionMemo[] = "Memo";
inline constexpr char kSectionRcvList[] = "RcvList";
inline constexpr char kSectionSndList[] = "SndList";
inline constexpr char kSectionBbs[] = "Bbs";
inline constexpr char kSectionCale[] = "Cale";
inline constexpr char kSectionMsg[] = "Msg";
inline constexpr char kSectionBord[] = "Bord";
inline constexpr char kSectionChat[] = "Chat";

// [Environment] of the local settings file.
inline constexpr char kKeyVersion[] = "Version";
inline constexpr char kKeyNetDir[] = "NetDir";
inline constexpr char kKeyNameNumber[] = "NameNumber";
inline constexpr char kKeyAutoLogin[] = "AutoLogin";
inline constexpr char kKeyExecCheck[] = "ExecCheck";
inline constexpr char kKeyName[] = "Name";  // kept by old versions only; removed on migration

// [Environment] of the per-user settings file (old versions kept some in the local one).
inline constexpr char kKeyTitle[] = "Title";
inline constexpr char kKeyWindowPos[] = "WindowPos";
inline constexpr char kKeyAnimation[] = "Animation";
inline constexpr char kKeyWave[] = "Wave";  // the old single sound switch
inline constexpr char kKeyMailPopup[] = "MailPopup";
inline constexpr char kKeyMailSend[] = "MailSend";
inline constexpr char kKeyLoginCheck[] = "LoginCheck";
inline constexpr char kKeyRclk[] = "Rclk";
inline constexpr char kKeyFortune[] = "Fortune";
inline constexpr char kKeyMinimize[] = "Minimize";
inline constexpr char kKeyConfidentialColor[] = "ConfidentialColor";
inline constexpr char kKeyMailCheckSec[] = "MailCheckSec";
inline constexpr char kKeyMsgCheckSec[] = "MsgCheckSec";
inline constexpr char kKeyChatCheckSec[] = "ChatCheckSec";
inline constexpr char kKeyBbsCheckSec[] = "BbsCheckSec";
inline constexpr char kKeyBbsCheck[] = "BbsCheck";
inline constexpr char kKeyBordType[] = "BordType";
inline constexpr char kKeyAccessDate[] = "AccessDate";

// [Wave]: the sound switches and their files.
inline constexpr char kKeyMailWave[] = "MailWave";
inline constexpr char kKeyMailWaveFile[] = "MailWaveFile";
inline constexpr char kKeyDestWave[] = "DestWave";
inline constexpr char kKeyDestWaveFile[] = "DestWaveFile";

// A window's remembered rectangle, in the section named after the window.
inline constexpr char kKeyLeft[] = "Left";
inline constexpr char kKeyTop[] = "Top";
inline constexpr char kKeyRight[] = "Right";
inline constexpr char kKeyBottom[] = "Bottom";

// [Modem] of the local settings file: kept for the PC and shown by the settings dialog, used by
// nothing else.
inline constexpr char kSectionModem[] = "Modem";
inline constexpr char kKeyUse[] = "Use";
inline constexpr char kKeyPort[] = "Port";
inline constexpr char kKeyType[] = "Type";
inline constexpr char kKeyBps[] = "Bps";
