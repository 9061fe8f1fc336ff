#include "store/context.h"

#include "store/names.h"

std::string StoreContext::UserFolder() const { return UserFolderName(user); }

std::string StorePath(const StoreContext& store, const std::string& name) {
    return JoinStorePath(store.netDir, name);
}

std::string UserStorePath(const StoreContext& store, const std::string& folder,
                          const std::string& name) {
    return StorePath(store, folder) + "\\" + name;
}

std::string NumberedFileName(const StoreContext& store, const std::string& folder, int number,
                             int prefixIndex, int extensionIndex) {
    return UserStorePath(store, folder, NumberedName(number, prefixIndex, extensionIndex));
}
