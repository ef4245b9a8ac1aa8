#pragma once
// What both halves of the catalogue are tested with: a game filled with the altar open, so
// that every card has its name, and the fixed rows checked field by field.
#include <gtest/gtest.h>

#include <span>
#include <string_view>

#include "data/card_database.h"
#include "state/card.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {

class FilledCatalogueTest : public GameTest {
protected:
    void SetUp() override {
        g.player.unlockFlags[kFlagAltar] = 1;
        FillCardDatabase(g);
    }
    const titem& Card(int id) { return g.cards[id]; }
    const titem& Named(std::string_view name) {
        const int id = CardIdByName(g, name);
        EXPECT_NE(id, 0) << name << " is not in the catalogue";
        return g.cards[id];
    }
};

struct TellingRow {
    int id;
    std::string_view name, image;
    int action, value, value2, maxCopies, price;
};

inline void ExpectTellingRows(const CardDatabase& cards, std::span<const TellingRow> rows, int kind) {
    for (const TellingRow& row : rows) {
        SCOPED_TRACE(row.id);
        const titem& card = cards[row.id];
        EXPECT_EQ(card.name, row.name);
        EXPECT_EQ(card.image, row.image);
        EXPECT_EQ(card.action, row.action);
        EXPECT_EQ(card.value, row.value);
        EXPECT_EQ(card.value2, row.value2);
        EXPECT_EQ(card.maxCopies, row.maxCopies);
        EXPECT_EQ(card.price, row.price);
        EXPECT_EQ(card.kind, kind);
    }
}

}  // namespace kestrilon::testing
