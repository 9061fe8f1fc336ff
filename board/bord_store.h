// The in/out board in the store: the destination lists (dest.mox), each person's entry (bord.mox
// of the person's user folder) and the entries written ahead for a later day (DST\yyyymmdd.mox),
// which the first board shown on that day moves into bord.mox. Plain data in and out; "today" is
// always the caller's, so that a client running overnight moves the next day's entries too.
#pragma once
#include <string>
#include <vector>

#include "board/destination_text.h"
#include "board/whereabouts_record.h"
#include "store/context.h"
#include "store/result.h"

extern const char kBoardMembersName[];  // "regist.mox" of the own user folder
extern const char kBordName[];          // "bord.mox"
extern const char kScheduleFolder[];    // "DST"

// "%s ファイルを保存できません。" and "%s ファイルへの書き込み時にエラーが発生しました。" with the path.
std::string MsgCannotSave(const std::string& path);
std::string MsgWriteFailed(const std::string& path);

enum class DestinationList { kShared, kPersonal };
// The entries of the shared or the acting user's personal list; nothing when it cannot be read.
std::vector<std::string> LoadDestinations(const StoreContext& store, DestinationList which);
// Rewrites the personal list with entries, in order. Not ok when it could not be written.
StoreResult SavePersonalDestinations(const StoreContext& store,
                                     const std::vector<std::string>& entries);
// Appends one entry (cut to 26 bytes) to a list, creating it when absent.
StoreResult AddDestination(const StoreContext& store, DestinationList which, const std::string& text);

// The file that holds the entry of person (user folder numberText) for date: bord.mox for
// today, else the scheduled file in DST.
std::string WhereaboutsPath(const StoreContext& store, const std::string& numberText,
                            const EntryDate& date, const EntryDate& today);

// A person's current entry, read within the open that also moves a due scheduled entry in:
// bord.mox older than today and DST\<today>.mox whole (256 bytes) make the scheduled entry the
// current one (with its time stamps), and only then is the scheduled file deleted. Without a
// bord.mox a due entry creates it.
struct CurrentWhereabouts {
    bool whole = false;  // record holds the 256 bytes of bord.mox
    bool promoted = false;
    bool busy = false;   // bord.mox was held by another client through every attempt
    std::string bytes;
};
CurrentWhereabouts TakeCurrentWhereabouts(const StoreContext& store, const std::string& numberText,
                                          const EntryDate& today);

// The entry of a person for date (for today after moving a due scheduled entry in). Not found: a
// record holding only personName.
struct WhereaboutsRead : StoreResult {
    bool found = false;
    WhereaboutsRecord record;
};
WhereaboutsRead ReadWhereabouts(const StoreContext& store, const std::string& numberText,
                                const std::string& personName, const EntryDate& date,
                                const EntryDate& today);
// Creates or truncates the file for date and writes the record's 256 bytes.
StoreResult WriteWhereabouts(const StoreContext& store, const std::string& numberText,
                             const EntryDate& date, const EntryDate& today,
                             const WhereaboutsRecord& record);

// Marks a person present (在席) now, written by writerName: destination, empty note, return
// time 0:00, planned times kept. Read, change and write happen in one open of bord.mox; a file
// held by another client is left alone ("ファイルを保存できません").
StoreResult SetPresent(const StoreContext& store, const std::string& numberText,
                       const std::string& personName, const std::string& writerName,
                       const BrokenDownTime& now);

// The board of the acting user's members: the header line and "000", then per member its line and
// its number text. A member list that cannot be read gives the header alone.
struct BoardLoad : StoreResult {
    std::vector<std::string> lines;
    std::vector<std::string> numbers;
};
BoardLoad LoadInOutBoard(const StoreContext& store, const EntryDate& today);
