#include "board/bord_store.h"

#include "store/bytes.h"
#include "store/sjis.h"
#include "store/store.h"
#include "users/registry_record.h"

const char kBoardMembersName[] = "regist.mox";
const char kBordName[] = "bord.mox";
const char kScheduleFolder[] = "DST";

namespace {

const char kDestinationsName[] = "dest.mox";
const char kPresent[] = "在席";

std::string DestinationsPath(const StoreContext& store, DestinationList which) {
    return which == DestinationList::kShared
               ? StorePath(store, kDestinationsName)
               : UserStorePath(store, store.UserFolder(), kDestinationsName);
}

std::string BordPath(const StoreContext& store, const std::string& numberText) {
    return UserStorePath(store, numberText, kBordName);
}

std::string ScheduledPath(const StoreContext& store, const std::string& numberText,
                          const EntryDate& date) {
    return UserStorePath(store, numberText, std::string(kScheduleFolder) + "\\" + ScheduledFileName(date));
}

// The 256 bytes of an open entry file; false when it holds fewer (a write that failed).
bool ReadWholeRecord(StoreHandle handle, std::string* bytes) {
    if (StoreSeek(handle, 0, kSeekSet) != 0) return false;
    bytes->clear();
    return StoreReadUpTo(handle, *bytes, kWhereaboutsSize) && bytes->size() == kWhereaboutsSize;
}

// The scheduled entry for today when it is whole, read within an open that stays with the caller
// (its time stamps go to bord.mox).
bool ReadWholePlan(StoreFile& plan, std::string* bytes) {
    return plan.IsOpen() && StoreSize(plan.Get()) == static_cast<long>(kWhereaboutsSize) &&
           ReadWholeRecord(plan.Get(), bytes);
}

// Writes record over the open file from its start and cuts it there.
bool WriteRecordHere(StoreHandle handle, const std::string& record) {
    return StoreSeek(handle, 0, kSeekSet) == 0 &&
           StoreWrite(handle, record.data(), record.size()) == static_cast<long>(record.size()) &&
           StoreTruncateHere(handle);
}

long WrittenDateKey(StoreHandle handle) {
    StoreLocalTime t;
    if (!StoreWriteTimeLocal(handle, &t)) return 0;
    return DateKey(t.year - 1900, t.month - 1, t.day);
}

}  // namespace

std::string MsgCannotSave(const std::string& path) { return path + " ファイルを保存できません。"; }
std::string MsgWriteFailed(const std::string& path) {
    return path + " ファイルへの書き込み時にエラーが発生しました。";
}

std::vector<std::string> LoadDestinations(const StoreContext& store, DestinationList which) {
    std::string bytes;
    if (!ReadStoreFile(DestinationsPath(store, which), bytes)) return {};
    return ParseDestinations(bytes);
}

StoreResult SavePersonalDestinations(const StoreContext& store,
                                     const std::vector<std::string>& entries) {
    StoreResult result;
    MakeStoreFolder(StorePath(store, store.UserFolder()));
    const std::string path = DestinationsPath(store, DestinationList::kPersonal);
    if (!WriteStoreFile(path, FormatDestinations(entries))) result.Fail(MsgCannotSave(path));
    return result;
}

StoreResult AddDestination(const StoreContext& store, DestinationList which, const std::string& text) {
    StoreResult result;
    const std::string entry = CutSjis(text, kDestinationEntryMax);
    if (entry.empty()) {
        result.Fail(kMsgNoDestination);
        return result;
    }
    const std::string path = DestinationsPath(store, which);
    StoreFile list(StoreOpenAppend(path));
    if (!list.IsOpen() || !StoreAppendWhole(list.Get(), entry + "\r\n")) result.Fail(MsgCannotSave(path));
    return result;
}

std::string WhereaboutsPath(const StoreContext& store, const std::string& numberText,
                            const EntryDate& date, const EntryDate& today) {
    return SameDay(date, today) ? BordPath(store, numberText) : ScheduledPath(store, numberText, date);
}

CurrentWhereabouts TakeCurrentWhereabouts(const StoreContext& store, const std::string& numberText,
                                          const EntryDate& today) {
    CurrentWhereabouts current;
    const std::string bordPath = BordPath(store, numberText);
    const std::string planPath = ScheduledPath(store, numberText, today);
    // Twice at most: a bord.mox that another client created between our two opens is then read
    // as it is.
    for (int attempt = 0; attempt < 2; ++attempt) {
        StoreFile bord(bordPath, kOpenReadWrite);
        if (bord.IsOpen()) {
            // The date test, the plan's copy and its deletion all happen while we hold bord.mox:
            // an entry saved meanwhile waits for us and is never overwritten by the older plan,
            // and no other client promotes the same plan at the same time.
            if (WrittenDateKey(bord.Get()) < DateKey(today)) {
                StoreFile plan(planPath, kOpenRead);
                std::string planned;
                if (ReadWholePlan(plan, &planned)) {
                    const bool written = WriteRecordHere(bord.Get(), planned);
                    // Peers judge bord.mox by its date: the plan's times go with it, and a copy
                    // that failed keeps an old date, so the next board tries again.
                    StoreCopyTimes(plan.Get(), bord.Get());
                    plan.Close();
                    if (written) {
                        StoreDelete(planPath);
                        current.promoted = true;
                    }
                }
            }
            current.whole = ReadWholeRecord(bord.Get(), &current.bytes);
            return current;
        }
        if (bord.Error() != kErrFileNotFound) {
            current.busy = bord.Error() == kErrSharingViolation;
            return current;
        }
        // No bord.mox yet: a due plan makes it.
        StoreFile plan(planPath, kOpenRead);
        std::string planned;
        if (!ReadWholePlan(plan, &planned)) return current;
        StoreFile created(StoreOpen(bordPath, kOpenCreateNew));
        if (created.Error() == kErrFileExists) continue;
        if (!created.IsOpen()) return current;
        const bool written = WriteRecordHere(created.Get(), planned);
        StoreCopyTimes(plan.Get(), created.Get());
        plan.Close();
        if (written) {
            StoreDelete(planPath);
            current.promoted = true;
            current.whole = true;
            current.bytes = planned;
        }
        return current;
    }
    return current;
}

WhereaboutsRead ReadWhereabouts(const StoreContext& store, const std::string& numberText,
                                const std::string& personName, const EntryDate& date,
                                const EntryDate& today) {
    WhereaboutsRead read;
    std::string bytes;
    bool whole = false;
    if (SameDay(date, today)) {
        CurrentWhereabouts current = TakeCurrentWhereabouts(store, numberText, today);
        whole = current.whole;
        bytes = current.bytes;
    } else {
        StoreFile file(ScheduledPath(store, numberText, date), kOpenRead);
        whole = file.IsOpen() && ReadWholeRecord(file.Get(), &bytes);
    }
    read.found = whole;
    read.record = whole ? DecodeWhereabouts(BytesOf(bytes)) : EmptyWhereabouts(personName);
    return read;
}

StoreResult WriteWhereabouts(const StoreContext& store, const std::string& numberText,
                             const EntryDate& date, const EntryDate& today,
                             const WhereaboutsRecord& record) {
    StoreResult result;
    const std::string path = WhereaboutsPath(store, numberText, date, today);
    if (!SameDay(date, today))
        MakeStoreFolder(StorePath(store, numberText + "\\" + kScheduleFolder));
    StoreFile file(path, kOpenCreate);
    if (!file.IsOpen()) {
        result.Fail(MsgCannotSave(path));
        return result;
    }
    const std::string bytes = EncodeWhereabouts(record);
    if (StoreWrite(file.Get(), bytes.data(), bytes.size()) != static_cast<long>(bytes.size()))
        result.Fail(MsgWriteFailed(path));
    return result;
}

StoreResult SetPresent(const StoreContext& store, const std::string& numberText,
                       const std::string& personName, const std::string& writerName,
                       const BrokenDownTime& now) {
    StoreResult result;
    // Today's plan first, so that its planned times are the ones kept.
    TakeCurrentWhereabouts(store, numberText, EntryDateFromTime(now));
    const std::string path = BordPath(store, numberText);
    StoreFile bord(StoreOpen(path, kOpenAlways));
    if (!bord.IsOpen()) {
        result.Fail(MsgCannotSave(path));
        return result;
    }
    std::string bytes;
    WhereaboutsRecord record = ReadWholeRecord(bord.Get(), &bytes) ? DecodeWhereabouts(BytesOf(bytes))
                                                                   : EmptyWhereabouts(personName);
    record.destination = kPresent;
    record.note.clear();
    record.returnHour = record.returnMinute = 0;
    record.written = now;
    record.writer = writerName;
    if (!WriteRecordHere(bord.Get(), EncodeWhereabouts(record))) result.Fail(MsgWriteFailed(path));
    return result;
}

BoardLoad LoadInOutBoard(const StoreContext& store, const EntryDate& today) {
    BoardLoad board;
    board.lines.push_back(kBoardHeader);
    board.numbers.push_back(kBoardHeaderNumber);
    std::string members;
    if (!ReadStoreFile(UserStorePath(store, store.UserFolder(), kBoardMembersName), members))
        return board;
    for (const RegistryRecord& member : DecodeRegistry(members)) {
        CurrentWhereabouts current = TakeCurrentWhereabouts(store, member.numberText, today);
        WhereaboutsRecord record;
        if (current.whole) {
            record = DecodeWhereabouts(BytesOf(current.bytes));
        } else {
            record = EmptyWhereabouts(member.name);
            record.destination = kMsgNoWhereabouts;
        }
        board.lines.push_back(BoardLine(record));
        board.numbers.push_back(member.numberText);
    }
    return board;
}
