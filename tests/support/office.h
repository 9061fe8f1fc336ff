// A PC of the office for window tests: its own local settings file in a temporary folder and a
// fresh network directory, with the process-wide settings and user cleared and the network
// directory set as the client's (LocalSettings().netDir). The current
// directory (which first-run setup moves into the network directory) is put back afterwards,
// so the temporary folders can be removed.
#pragma once
#include <string>

#include "tests/support/support.h"

struct TestOffice {
    TempStore store;
    TempFolder pc{"moxpc"};
    std::string local;  // the local settings file

    explicit TestOffice(const char* localName = "mox.ini");
    ~TestOffice();
    TestOffice(const TestOffice&) = delete;
    TestOffice& operator=(const TestOffice&) = delete;

    // A value of the local settings file, "<none>" when absent.
    std::string Local(const char* key, const char* section = "Environment") const;
    void SetLocal(const char* key, const std::string& value, const char* section = "Environment");
    // A value of a user's settings file (user folder "001" and so on), "<none>" when absent.
    std::string User(const std::string& folder, const char* key,
                     const char* section = "Environment") const;
    void SetUser(const std::string& folder, const char* key, const std::string& value,
                 const char* section = "Environment");
    // The client's network directory (the store's unless a test moved it), as nobody.
    StoreContext Office() const;
    // Registers a user there through the store logic; returns the number.
    int Register(const std::string& name, const std::string& loginName);
    // A PC set up for user `number`, signing in automatically.
    void PersonalPc(int number);

private:
    std::string previousDirectory_;
};
