#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "data/card_database.h"
#include "data/card_text.h"
#include "scripted_platform.h"
#include "state/game.h"

namespace kestrilon::data_tool {
namespace {

constexpr int kAltarFlag = 6;

// The numbers an author looks at first lead; the rest follow in record order. Numbers
// the game sets while it runs are left out, except the kind, which has its own column.
constexpr std::array<std::string_view, 12> kLeading = {"action", "value",  "value2",    "value3",
                                                       "tpCost", "mpCost", "maxCopies", "price",
                                                       "material", "eventKind", "toolLevel", "element"};

std::vector<const CardNumberField*> Columns() {
    std::vector<const CardNumberField*> columns;
    for (std::string_view name : kLeading) columns.push_back(FindCardNumberField(name));
    for (const CardNumberField& field : CardNumberFields()) {
        const bool leading = std::find(kLeading.begin(), kLeading.end(), field.name) != kLeading.end();
        if (!leading && field.fromCatalogue) {
            columns.push_back(&field);
        }
    }
    return columns;
}

void PutText(std::ostream& out, std::string_view text) {
    for (char c : text) out << (c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
}

}  // namespace

int RunCards(Args args, std::ostream& out, std::ostream& err) {
    bool altar = false;
    for (std::string_view arg : args) {
        if (arg == "--altar") {
            altar = true;
        } else {
            err << "kestrilon-data cards: unknown option " << arg << '\n';
            return 2;
        }
    }
    tools::ScriptedPlatform platform(std::filesystem::current_path());
    auto game = std::make_unique<Game>(platform);
    if (altar) game->player.unlockFlags[kAltarFlag] = 1;
    FillCardDatabase(*game);

    const std::vector<const CardNumberField*> columns = Columns();
    out << "id\tname\timage\tsound\tkind\trarity";
    for (const CardNumberField* field : columns) out << '\t' << field->name;
    out << "\trequiredLevel\trequiredDungeon\ttreeDungeon\tstrataDungeon\ttext\n";

    for (int id = 0; id < kCardIds; ++id) {
        const titem& card = game->cards[id];
        if (!card.Exists()) continue;
        out << id << '\t';
        PutText(out, card.name);
        out << '\t' << card.image << '\t' << card.sound << '\t' << card.kind << '\t' << RarityLabel(card);
        for (const CardNumberField* field : columns) out << '\t' << card.*field->member;
        const CardTerms& terms = CardTermsOf(id);
        out << '\t' << terms.requiredLevel << '\t' << terms.requiredDungeon << '\t' << terms.treeDungeon << '\t'
            << terms.strataDungeon << '\t';
        PutText(out, card.text);
        out << '\n';
    }
    const std::vector<std::string> problems = CatalogueProblems();
    for (const std::string& problem : problems) err << "kestrilon-data cards: " << problem << '\n';
    return out && problems.empty() ? 0 : 1;
}

}  // namespace kestrilon::data_tool
