#include "store/names.h"

#include <cstdint>
#include <cstdio>

#include "store/sjis.h"

const char* CounterFileName(int counterKind) {
    static const char* const kNames[] = {"rcvnum.mox", "sndnum.mox",  "filnum.mox",
                                         "bbsnum.mox", "memonum.mox", "grpnum.mox"};
    if (counterKind < 0 || counterKind > 5) return "";
    return kNames[counterKind];
}

std::vector<std::string> CounterFilePrefixes(int counterKind) {
    switch (counterKind) {
        case kCounterReceived: return {"rcv", "fil"};
        case kCounterSent: return {"snd", "sfl"};
        case kCounterAttachment: return {"att"};
        case kCounterPost: return {"bbs", "fil"};
        case kCounterMemo: return {"mem"};
        case kCounterGroup: return {"grp"};
        default: return {};
    }
}

int NumberInFileName(const std::string& fileName, const std::string& prefix) {
    const size_t digitsAt = prefix.size();
    if (fileName.size() < digitsAt + 4) return 0;
    for (size_t i = 0; i < digitsAt; ++i) {
        unsigned char a = static_cast<unsigned char>(fileName[i]);
        unsigned char b = static_cast<unsigned char>(prefix[i]);
        if (a >= 'A' && a <= 'Z') a = static_cast<unsigned char>(a + 32);
        if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b + 32);
        if (a != b) return 0;
    }
    int number = 0;
    for (size_t i = digitsAt; i < digitsAt + 4; ++i) {
        if (fileName[i] < '0' || fileName[i] > '9') return 0;
        number = number * 10 + (fileName[i] - '0');
    }
    const size_t end = digitsAt + 4;
    if (fileName.size() > end && fileName[end] != '.') return 0;
    return number;
}

int NextFreeItemNumber(int last, const std::function<bool(int)>& taken) {
    constexpr int kMaxItemNumber = 9999;
    int candidate = last >= 1 && last < kMaxItemNumber ? last : 0;
    for (int tried = 0; tried < kMaxItemNumber; ++tried) {
        candidate = candidate >= kMaxItemNumber ? 1 : candidate + 1;
        if (!taken(candidate)) return candidate;
    }
    return 0;
}

const char* FilePrefixText(int prefixIndex) {
    switch (prefixIndex) {
        case kPrefixRcv: return "rcv";
        case kPrefixSnd: return "snd";
        case kPrefixFil: return "fil";
        case kPrefixBbs: return "bbs";
        case kPrefixMem: return "mem";
        case kPrefixGrp: return "grp";
        case kPrefixChk: return "chk";
        case kPrefixSfl: return "sfl";
        case kPrefixCha: return "cha";
        default: return nullptr;
    }
}

const char* FileExtensionText(int extensionIndex) {
    switch (extensionIndex) {
        case kExtTxt: return ".txt";
        case kExtLst: return ".lst";
        case kExtChk: return ".chk";
        case kExtMox: return ".mox";
        case kExtSav: return ".sav";
        default: return "";
    }
}

std::string JoinStorePath(const std::string& netDir, const std::string& name) {
    if (netDir.empty()) return name;
    std::string out = netDir;
    // A trailing 0x5C byte counts as a backslash even when it is the trail byte of a
    // double-byte character: that is how every client has always joined these paths.
    if (out.back() != '\\') out += '\\';
    out += name;
    return out;
}

std::string NumberedName(int number, int prefixIndex, int extensionIndex) {
    const char* prefix = FilePrefixText(prefixIndex);
    if (!prefix) return std::string();
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", static_cast<int>(static_cast<int16_t>(number)));
    return std::string(prefix) + digits + FileExtensionText(extensionIndex);
}

std::string UserFolderName(int userNumber) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", userNumber);
    return text;
}

void ShiftText(char* text, int amount) {
    for (; *text; ++text) *text = static_cast<char>(static_cast<unsigned char>(*text) + amount);
}

void ShiftBytes(std::string& bytes, int amount) {
    for (char& c : bytes) c = static_cast<char>(static_cast<unsigned char>(c) + amount);
}

// Index just after the last path separator of path, skipping the trail bytes of
// double-byte characters (a 0x5C trail byte is not a separator).
static size_t FileNameStart(const std::string& path) {
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (SjisCharLength(path, i) == 2) {
            ++i;
            continue;
        }
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (c == '\\' || c == '/' || c == ':') start = i + 1;
    }
    return start;
}

std::string PathFileName(const std::string& path) { return path.substr(FileNameStart(path)); }

std::string PathExtension(const std::string& path) {
    std::string name = PathFileName(path);
    size_t dot = std::string::npos;
    for (size_t i = 0; i < name.size(); ++i) {
        if (SjisCharLength(name, i) == 2) {
            ++i;
            continue;
        }
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == '.') dot = i;
    }
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string PathParentFolder(const std::string& path) {
    // The folder part ends at the last real backslash; a 0x5C trail byte of a double-byte
    // character (表, ソ) is part of a name, not a separator.
    size_t start = FileNameStart(path);
    if (start > 1 && path[start - 1] == '\\') return path.substr(0, start - 1);
    return std::string();
}

std::string PathRoot(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2) + "\\";
    if (path.size() > 2 && path[0] == '\\' && path[1] == '\\') {
        size_t server = path.find('\\', 2);
        if (server == std::string::npos) return std::string();
        size_t share = path.find('\\', server + 1);
        return (share == std::string::npos ? path : path.substr(0, share)) + "\\";
    }
    return std::string();
}
