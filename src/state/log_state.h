#pragma once
// The coloured message log, newest line first.
#include <array>
#include <string>

namespace kestrilon {

constexpr int kLogEntries = 21;

struct LogEntry {
    std::string icon;
    std::string text;
    int age = 0;
    int badge = 0;
    int colourCode = 0;
};

struct MessageLog {
    std::array<LogEntry, kLogEntries> entries;  // 0 = newest
};

}  // namespace kestrilon
