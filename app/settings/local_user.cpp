#include "app/settings/local_user.h"

#include "app/settings/settings.h"
#include "store/names.h"

LocalUser& CurrentUser() {
    static LocalUser user;
    return user;
}

void SetCurrentUserNumber(int number) {
    CurrentUser().number = number;
    CurrentUser().numberText = UserFolderName(number);
}

StoreContext ClientStore() { return StoreContext{LocalSettings().netDir, CurrentUser().number}; }
