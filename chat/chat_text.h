// The lines of the chat log and the conversation a chat window shows. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

constexpr size_t kChatHandleMax = 20;  // bytes of a handle name (the member record's field)
constexpr size_t kChatSayMax = 126;    // bytes of one said text

// The plain lines, each ending in CR LF: "%s > %s", "%sさんが入ってきたよ～。" and
// "%sさんが出ていっちゃたよ～。".
std::string ChatSaidLine(const std::string& handle, const std::string& text);
std::string ChatJoinedLine(const std::string& handle);
std::string ChatLeftLine(const std::string& handle);

// The stored form of log text (every byte plus 1) and back (every byte minus 1).
std::string StoredChatText(const std::string& plain);
std::string ShownChatText(const std::string& stored);

// The conversation kept at most about 100 lines: when it holds more than that, its first 51
// lines go before the new text is added. Lines are the log's CR LF lines, however the window
// wraps them; a last line without CR LF counts as a line.
constexpr size_t kChatKeptLines = 100, kChatDroppedLines = 51;
std::string ChatConversationAfter(const std::string& shown, const std::string& added);
