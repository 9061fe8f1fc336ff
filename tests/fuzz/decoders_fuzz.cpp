// Feeds random and damaged bytes, as a faulty peer or a broken disk could leave them, to the
// decoders of every store file layout. Built for the host with the address and undefined
// behaviour sanitizers (scripts/fuzz-pure.sh): any read beyond a field or a buffer aborts.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/settings/fortune.h"
#include "bbs/board_title_record.h"
#include "bbs/post_record.h"
#include "bbs/read_marks.h"
#include "bbs/reader_record.h"
#include "calendar/schedule_record.h"
#include "mail/attachment_record.h"
#include "mail/broadcast_record.h"
#include "mail/mail_lines.h"
#include "store/lists/list_record.h"
#include "store/names.h"
#include "store/sjis.h"
#include "users/import_list.h"
#include "users/password.h"
#include "users/registry_record.h"

static unsigned long long g_state = 0x9E3779B97F4A7C15ull;
static unsigned Next() {
    g_state ^= g_state << 13;
    g_state ^= g_state >> 7;
    g_state ^= g_state << 17;
    return static_cast<unsigned>(g_state >> 11);
}

// Bytes that matter to these layouts come often: NUL, CR, LF, TAB, backslash, dots, lead bytes.
static std::string RandomBytes(size_t maxLen) {
    static const unsigned char kInteresting[] = {0, '\r', '\n', '\t', '\\', '.', ':', 0x81,
                                                 0x95, 0x9F, 0xE0, 0xFC, 0x5C, 0x7F, 0xFF, 'a'};
    size_t len = maxLen ? Next() % (maxLen + 1) : 0;
    std::string s(len, '\0');
    for (char& c : s)
        c = static_cast<char>(Next() % 3 ? kInteresting[Next() % sizeof kInteresting] : Next() & 0xFF);
    return s;
}

static void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz: %s\n", what);
        std::abort();
    }
}

int main(int argc, char** argv) {
    long rounds = argc > 1 ? std::atol(argv[1]) : 20000;
    for (long round = 0; round < rounds; ++round) {
        std::string bytes = RandomBytes(1500);

        for (const RegistryRecord& r : DecodeRegistry(bytes)) {
            Check(r.name.size() <= 21 && r.numberText.size() <= 4 && r.loginName.size() <= 21,
                  "registry field beyond its width");
            RegistryRecord again = DecodeRegistryRecord(
                reinterpret_cast<const unsigned char*>(EncodeRegistryRecord(r).data()));
            Check(again.number == r.number, "registry number round trip");
        }
        for (const std::string& e : ParseNameImportList(bytes)) {
            Check(!e.empty() && e.size() <= kUserNameMax, "import entry length");
            Check(e.find('\r') == std::string::npos && e.find('\n') == std::string::npos,
                  "import entry holds a line end");
        }
        Check(DecodePasswordFile(bytes.substr(0, 18)).size() <= kPasswordMax, "password length");

        std::string record = bytes;
        record.resize(kListRecordSize);
        MailRecord m = DecodeMailRecord(record);
        for (int kind : {0, 1}) Check(MailListLine(m, kind).size() < 400, "list line length");
        Check(PhoneMemoListLine(m, Next() % 10000).size() < 400, "phone line length");
        std::string encoded = EncodeMailRecord(m);
        Check(encoded.size() == kListRecordSize, "mail record size");
        Check(DecodeMailRecord(EncodeMailRecord(DecodeMailRecord(encoded))).subject ==
                  DecodeMailRecord(encoded).subject,
              "mail subject round trip");

        for (const AttachmentRecord& a : DecodeAttachmentList(bytes + bytes)) {
            Check(a.sourcePath.size() <= 260 && a.title.size() <= 51 && a.storedPath.size() <= 260,
                  "attachment field beyond its width");
            std::string name = PathFileName(a.storedPath);
            if (IsStoredAttachmentName(name))
                Check(name.compare(0, 3, "att") == 0 && name.find('\\') == std::string::npos,
                      "stored attachment name");
        }

        const unsigned char* raw = reinterpret_cast<const unsigned char*>(record.data());
        PostRecord post = DecodePostRecord(raw);
        Check(post.authorName.size() <= 22 && post.subject.size() <= 51, "post field beyond its width");
        Check(PostListLine(post, Next() & 1).size() < 400, "post line length");
        Check(DecodePostRecord(reinterpret_cast<const unsigned char*>(EncodePostRecord(post).data()))
                      .number == post.number,
              "post number round trip");
        BroadcastListRecord group = DecodeBroadcastListRecord(raw);
        Check(group.name.size() <= 51 && group.ownerName.size() <= 22,
              "broadcast list field beyond its width");
        const BroadcastListRecord again =
            DecodeBroadcastListRecord(BytesOf(EncodeBroadcastListRecord(group)));
        Check(again.number == group.number && again.memberCount == group.memberCount,
              "broadcast list round trip");
        const ScheduleRecord entry = DecodeScheduleRecord(raw);
        Check(entry.subject.size() <= 76, "schedule subject beyond its width");
        Check(ScheduleListLine(entry).size() < 200 && WeekEntryLine(entry).size() < 120,
              "schedule line length");
        Check(DecodeScheduleRecord(BytesOf(EncodeScheduleRecord(entry))).start == entry.start,
              "schedule start round trip");
        BoardTitleRecord board = DecodeBoardTitleRecord(raw);
        Check(BoardFolder(BoardIdText(board.boardNumber)).size() < 64, "board folder name");
        ReadMarks marks(bytes);
        int n = static_cast<int>(Next() % 12000) - 1000;
        marks.MarkRead(n);
        Check(marks.Bytes().size() == kReadMarkMapSize, "read-mark map size");
        Check(marks.IsRead(n), "a marked post reads as read");
        ReaderRecord reader = DecodeReaderRecord(raw);
        Check(ReaderListLine(post.authorName, &reader).size() < 200, "reader line length");

        std::string path = bytes.substr(0, 300);
        Check(path.find(PathFileName(path)) != std::string::npos, "file name is part of the path");
        Check(PathExtension(path).size() <= path.size(), "extension length");
        Check(PathParentFolder(path).size() < path.size() || path.empty(), "parent folder length");
        size_t cut = Next() % 40;
        std::string c = CutSjis(path, cut);
        Check(c.size() <= cut && path.compare(0, c.size(), c) == 0, "cut text");
        Check(NameWithHonorific(path.substr(0, 30)).size() <= 10, "name column width");
    }
    Check(std::strlen(FortuneText(1)) > 0, "fortune texts");
    std::printf("fuzz: %ld rounds, no fault\n", rounds);
    return 0;
}
