#include "mail/body_file.h"

#include "mail/compose_text.h"
#include "store/message_sink.h"
#include "store/store.h"

BodyFile LoadBodyFile(const std::string& path) {
    BodyFile file;
    StoreFile handle(path, kOpenRead);
    if (!handle.IsOpen()) {
        file.Fail();
        return file;
    }
    // The size is looked at first: a file too large for a body is never read.
    const long size = StoreSize(handle.Get());
    if (size < 0 || size > static_cast<long>(kInsertFileMax)) {
        file.Fail(size < 0 ? kMsgReadFailed : kMsgFileTooLarge);
        return file;
    }
    if (!StoreReadToEnd(handle.Get(), file.text) || file.text.size() != static_cast<size_t>(size))
        file.Fail(kMsgReadFailed);
    return file;
}
