#include "data/card_text.h"

#include <array>

#include "text/text.h"

namespace kestrilon {
namespace {

#define KESTRILON_FIELD_SKIP(...)
#define KESTRILON_FIELD_ROW(member, label, ...) CardNumberField{label, &titem::member, true},
#define KESTRILON_FIELD_RUNTIME(member, label) CardNumberField{label, &titem::member, false},
constexpr std::array kFields = {
    KESTRILON_CARD_FIELDS(KESTRILON_FIELD_SKIP, KESTRILON_FIELD_ROW, KESTRILON_FIELD_ROW, KESTRILON_FIELD_RUNTIME)};
#undef KESTRILON_FIELD_SKIP
#undef KESTRILON_FIELD_ROW
#undef KESTRILON_FIELD_RUNTIME

}  // namespace

std::span<const CardNumberField> CardNumberFields() { return kFields; }

const CardNumberField* FindCardNumberField(std::string_view name) {
    if (name == "int_") name = "int";
    for (const CardNumberField& field : kFields) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

bool CompileRecipe(std::string_view recipe, std::vector<TextStep>& steps, std::string& error) {
    const size_t start = steps.size();
    size_t segment = SIZE_MAX;  // index of the open segment's step
    size_t literalBegin = 0;
    auto fail = [&](std::string message) {
        steps.resize(start);
        error = std::move(message);
        return false;
    };
    auto flushLiteral = [&](size_t end) {
        if (end > literalBegin) {
            TextStep step;
            step.literal = recipe.substr(literalBegin, end - literalBegin);
            steps.push_back(step);
        }
    };
    for (size_t i = 0; i < recipe.size(); ++i) {
        const char c = recipe[i];
        if (c == '{') {
            flushLiteral(i);
            const size_t close = recipe.find('}', i + 1);
            if (close == std::string_view::npos) return fail("unclosed '{' in \"" + std::string(recipe) + "\"");
            const std::string_view name = recipe.substr(i + 1, close - i - 1);
            const CardNumberField* field = FindCardNumberField(name);
            if (field == nullptr) {
                return fail("unknown field {" + std::string(name) + "} in \"" + std::string(recipe) + "\"");
            }
            TextStep step;
            step.kind = TextStep::Kind::Number;
            step.member = field->member;
            steps.push_back(step);
            i = close;
            literalBegin = close + 1;
        } else if (c == '}') {
            return fail("stray '}' in \"" + std::string(recipe) + "\"");
        } else if (c == '[') {
            if (segment != SIZE_MAX) return fail("nested '[' in \"" + std::string(recipe) + "\"");
            flushLiteral(i);
            segment = steps.size();
            TextStep step;
            step.kind = TextStep::Kind::Segment;
            steps.push_back(step);
            literalBegin = i + 1;
        } else if (c == ']') {
            if (segment == SIZE_MAX) return fail("stray ']' in \"" + std::string(recipe) + "\"");
            flushLiteral(i);
            steps[segment].length = static_cast<uint16_t>(steps.size() - segment - 1);
            segment = SIZE_MAX;
            literalBegin = i + 1;
        }
    }
    if (segment != SIZE_MAX) return fail("unclosed '[' in \"" + std::string(recipe) + "\"");
    flushLiteral(recipe.size());
    return true;
}

void AppendRecipeText(std::string& out, std::span<const TextStep> steps, const titem& card) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const TextStep& step = steps[i];
        switch (step.kind) {
            case TextStep::Kind::Literal:
                out.append(step.literal);
                break;
            case TextStep::Kind::Number:
                AppendInt(out, card.*step.member);
                break;
            case TextStep::Kind::Segment: {
                bool keep = true;
                for (size_t j = i + 1; j <= i + step.length; ++j) {
                    if (steps[j].kind == TextStep::Kind::Number && card.*steps[j].member < 1) keep = false;
                }
                if (!keep) i += step.length;
                break;
            }
        }
    }
}

}  // namespace kestrilon
