// Which office, and who acts in it: the network directory and the acting user, handed to the
// store logic with every call instead of being read from process-wide state. The client makes
// it from its local settings and the signed-in user, moxctl from --netdir and --user, a test
// from its temporary folder. Pure logic: no windows.h.
#pragma once
#include <string>

struct StoreContext {
    std::string netDir;  // at most 255 bytes; may or may not end in a backslash
    int user = 0;        // the acting user, 1..999; 0 while nobody is signed in (registration)

    // "%03d" of the acting user: the user folder.
    std::string UserFolder() const;
};

// The network directory joined with name (a backslash only when needed); the bare name for an
// empty network directory.
std::string StorePath(const StoreContext& store, const std::string& name);
// StorePath(folder) + "\" + name.
std::string UserStorePath(const StoreContext& store, const std::string& folder,
                          const std::string& name);
// UserStorePath(folder, prefix + "%04d" + extension).
std::string NumberedFileName(const StoreContext& store, const std::string& folder, int number,
                             int prefixIndex, int extensionIndex);
