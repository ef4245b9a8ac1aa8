#pragma once
// Card texts from short recipes: "{value}km進む", "HP+{value}回復[ / {value2}km進む]".
// A recipe is compiled once into steps; writing a text then only walks the steps, so the
// card refill never parses anything.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/card.h"

namespace kestrilon {

// One numeric field of the record by its name, in record order.
struct CardNumberField {
    std::string_view name;
    int32_t titem::*member;
    bool fromCatalogue;  // false for the kind and the list marks, which the game sets while it runs
};
std::span<const CardNumberField> CardNumberFields();
// The field of that name ("int" and "int_" both name the INT bonus); nullptr when unknown.
const CardNumberField* FindCardNumberField(std::string_view name);

struct TextStep {
    enum class Kind : uint8_t { Literal, Number, Segment };
    Kind kind = Kind::Literal;
    uint16_t length = 0;            // Segment: how many steps the segment holds
    std::string_view literal;       // Literal
    int32_t titem::*member = nullptr;  // Number
};

// Appends the steps of `recipe` to `steps`. On a fault (unknown field, open or nested
// bracket, open brace) returns false, describes it in `error` and appends nothing.
bool CompileRecipe(std::string_view recipe, std::vector<TextStep>& steps, std::string& error);

// Appends the text the steps describe for this card's current numbers.
void AppendRecipeText(std::string& out, std::span<const TextStep> steps, const titem& card);

}  // namespace kestrilon
