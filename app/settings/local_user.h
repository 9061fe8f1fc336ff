// The signed-in user of this client: process-wide for the whole run, set by the start-up
// sequence from the local settings and the sign-in dialogs' results. Store logic never reads it:
// window code hands it over as the acting user of a StoreContext (ClientStore).
#pragma once
#include <string>

#include "store/context.h"

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

// The office this client works in (the local setting NetDir), acting as the signed-in user.
StoreContext ClientStore();
