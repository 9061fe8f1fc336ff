#include "app/command_line.h"

const char kDefaultLocalSettingsName[] = "mox.ini";

namespace {
std::string TrimBlanks(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}
}  // namespace

std::string LocalSettingsNameFrom(const std::string& commandLine) {
    std::string name = TrimBlanks(commandLine);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = TrimBlanks(name.substr(1, name.size() - 2));
    return name.empty() ? std::string(kDefaultLocalSettingsName) : name;
}
