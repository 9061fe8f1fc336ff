#include "store/result.h"

#include "store/message_sink.h"

void StoreResult::Fail(const std::string& text) {
    ok = false;
    if (!text.empty()) messages.push_back(text);
}

void StoreResult::Tell(const std::string& text) { messages.push_back(text); }

std::string StoreResult::FirstMessage() const {
    return messages.empty() ? std::string() : messages.front();
}

void ShowMessages(const StoreResult& result) {
    for (const std::string& text : result.messages) ShowMessage(text);
}
