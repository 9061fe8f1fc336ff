#include "users/local_user.h"

#include "store/names.h"

LocalUser& CurrentUser() {
    static LocalUser user;
    return user;
}

void SetCurrentUserNumber(int number) {
    CurrentUser().number = number;
    CurrentUser().numberText = UserFolderName(number);
}
