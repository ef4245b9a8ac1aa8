#pragma once
// The fixed rows of the card table, checked field by field in both halves of the catalogue.
#include <gtest/gtest.h>

#include <span>
#include <string_view>

#include "data/card.h"

namespace kestrilon::testing {

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
