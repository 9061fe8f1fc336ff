// The name import list regist.txt: names an administrator prepared, one per line, each claimed
// once at first-run setup. Pure logic: no windows.h.
#pragma once
#include <string>
#include <vector>

// Entries of regist.txt's bytes. An entry ends at CR; an LF discards what was collected since
// the previous CR; an entry over 20 bytes is cut (at a character boundary) and the rest of the
// line becomes a further entry; a last line without CR is not read; empty lines give no entry.
std::vector<std::string> ParseNameImportList(const std::string& bytes);

// The file's bytes for a list of entries: each followed by CR LF.
std::string FormatNameImportList(const std::vector<std::string>& entries);
