#include "mail/addressee.h"

#include "store/names.h"

std::string& RememberedAddressee() {
    static std::string addressee;
    return addressee;
}

void RememberAddressee(int userNumber) { RememberedAddressee() = UserFolderName(userNumber); }
