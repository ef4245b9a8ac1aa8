#pragma once
// Board rows and reply bodies as the server sends them.
#include <string>
#include <vector>

#include "ranking/protocol.h"

namespace kestrilon::testing {

inline trank Row(std::string name, int number, int score) {
    return {.name = std::move(name), .number = number, .score = score, .comment = "", .clears = 1, .date = "1/2",
            .ex = 0, .level = 0, .treasure = 0};
}

inline std::string Reply(const std::vector<trank>& rows) {
    std::string body;
    for (const trank& row : rows) body += *RankEncodeLine(RankFieldText(row)) + "\r\n";
    return body;
}

}  // namespace kestrilon::testing
