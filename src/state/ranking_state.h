#pragma once
// The online ranking: the records of the last reply, its raw lines, the outcome of the last
// request and the board panel (rank_box with its list rank_list).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/canvas.h"

namespace kestrilon {

struct Game;

constexpr int kRankRows = 2000;

// One board row as the server sent it.
struct trank {
    std::string name;
    int32_t number = 0;  // the player number drawn once at the new game
    int32_t score = 0;
    std::string comment;
    int32_t clears = 0;  // "踏破"
    std::string date;    // "m/d"
    int32_t ex = 0;
    int32_t level = 0;
    int32_t treasure = 0;  // "秘宝"

    bool operator==(const trank&) const = default;
};

struct RankingState {
    std::array<trank, kRankRows> records;
    std::vector<std::string> replyLines;  // the last reply, line by line
    std::string status;                   // outcome of the last request, "RANK..." while it went well

    // rank_box: the board panel over the whole surface, and its list.
    bool boxVisible = false;
    std::vector<std::string> rank_list;  // one text per row, filled when the board is shown
    int selectedRow = -1;                // -1: nothing selected
    int topRow = 0;                      // first row in view
    bool draggingThumb = false;
    int dragOffset = 0;  // pointer y minus the thumb's top when the drag began
    // The list as last drawn; redrawn only when rows, selection or scrolling change.
    Bitmap listImage;
    bool listDirty = true;

    // Set by the form: composes and shows one frame, so that a message logged before a
    // request is on screen while the request blocks.
    void (*paintFrame)(Game& g) = nullptr;
};

}  // namespace kestrilon
