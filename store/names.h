// How store files are named. Pure logic: no windows.h.
#pragma once
#include <functional>
#include <string>
#include <vector>

// Counter kinds: which 2-byte sequence counter file hands out a number.
enum CounterKind {
    kCounterReceived = 0,  // rcvnum.mox
    kCounterSent = 1,      // sndnum.mox
    kCounterAttachment = 2,  // filnum.mox
    kCounterPost = 3,      // bbsnum.mox
    kCounterMemo = 4,      // memonum.mox
    kCounterGroup = 5,     // grpnum.mox
};

// Numbered file prefixes (index into the prefix table) and extensions.
enum FilePrefix {
    kPrefixRcv = 0, kPrefixSnd = 1, kPrefixFil = 2, kPrefixBbs = 3, kPrefixMem = 4,
    kPrefixGrp = 5, kPrefixChk = 10, kPrefixSfl = 11, kPrefixCha = 12,
};
enum FileExtension { kExtTxt = 0, kExtLst = 1, kExtChk = 2, kExtMox = 3, kExtSav = 4, kExtNone = 9 };

// File name of a counter kind; empty for an unknown kind.
const char* CounterFileName(int counterKind);

// The prefixes of the numbered files that an item number of a counter kind names in the
// counter's folder (rcv bodies and fil attachment lists of received items, att stored copies,
// bbs bodies and reader logs and fil lists of posts, ...). An item whose files exist is live:
// its number is not handed out again. Empty for an unknown kind.
std::vector<std::string> CounterFilePrefixes(int counterKind);
// The item number that a file name carries after prefix (any case, as the file system
// compares): the prefix, four digits, then nothing or an extension. 0 for any other name.
int NumberInFileName(const std::string& fileName, const std::string& prefix);
// The number a counter that last handed out last gives next: the first of last + 1 .. 9999,
// then 1 .. last, that taken does not claim (a last outside 1..9998 starts at 1). 0 when
// taken claims every number.
int NextFreeItemNumber(int last, const std::function<bool(int)>& taken);

// Prefix text for a prefix index; nullptr for indices that name no prefix (6 to 9, others).
const char* FilePrefixText(int prefixIndex);

// Extension text (with its dot) for an extension index; "" for any other value.
const char* FileExtensionText(int extensionIndex);

// netDir joined with name: a backslash is added only when netDir is non-empty and does not
// already end in one. An empty netDir gives the bare name.
std::string JoinStorePath(const std::string& netDir, const std::string& name);

// prefix + "%04d" of the number (sign-extended from 16 bits) + extension. Empty when the
// prefix index names no prefix.
std::string NumberedName(int number, int prefixIndex, int extensionIndex);

// "%03d" of a user number: the user folder's name.
std::string UserFolderName(int userNumber);

// Adds amount (mod 256) to every byte of text, in place. Stops at a NUL, as for the
// NUL-terminated fields of records.
void ShiftText(char* text, int amount);
// Adds amount (mod 256) to every byte of a byte string (bodies, which hold no terminator).
void ShiftBytes(std::string& bytes, int amount);

// The extension of a file path, with its dot, as the platform's path splitting gives it:
// the text from the last dot of the last path component; "" when it has none.
std::string PathExtension(const std::string& path);
// The last component of a path (after the last backslash, slash or drive colon).
std::string PathFileName(const std::string& path);
// The root of a path: "N:\" for a drive path, "\\server\share\" for a UNC path, "" for a
// relative path (or a UNC path without its share).
std::string PathRoot(const std::string& path);
// Everything before the last backslash that separates folders (positions above 0 only);
// "" when there is none.
std::string PathParentFolder(const std::string& path);
