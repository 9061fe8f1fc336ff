// What an operation of the store logic came to: whether it did its work, and the texts to tell
// the user, in the order they arose. Store logic never shows anything itself: the window or
// moxctl hands the texts to the message sink (ShowMessages). Operations that bring back more
// (the lines of a list, the number of a new post) extend it. Pure logic: no windows.h.
#pragma once
#include <string>
#include <vector>

struct StoreResult {
    bool ok = true;
    std::vector<std::string> messages;

    // The operation failed; text (when not empty) tells the user why.
    void Fail(const std::string& text = std::string());
    // A text to tell the user that is no failure of the operation.
    void Tell(const std::string& text);
    // The first text, or "" when there is none.
    std::string FirstMessage() const;
};

// Shows every text of the result through the message sink, in order.
void ShowMessages(const StoreResult& result);
