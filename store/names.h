// How store files are named. Pure logic: no windows.h.
#pragma once
#include <string>

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
