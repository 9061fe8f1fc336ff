// The signed-in user of this client: process-wide for the whole run.
#pragma once
#include <string>

struct LocalUser {
    int number = 0;          // 1..999; 0 = none yet
    std::string numberText;  // "%03d": names the user folder
    std::string name;        // at most 20 bytes
    std::string loginName;   // at most 20 bytes
    std::string password;    // at most 8 bytes
};

LocalUser& CurrentUser();
// Sets the user number and its folder text.
void SetCurrentUserNumber(int number);
