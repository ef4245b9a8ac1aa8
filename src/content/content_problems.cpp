#include "content/content_problems.h"

#include <algorithm>
#include <array>
#include <iostream>

#include "battle/enemy_check.h"
#include "battle/status_upkeep.h"
#include "books/gains.h"
#include "data/card_database.h"
#include "dungeon/cards/dungeon_card.h"
#include "dungeon/cards/event_card_references.h"
#include "dungeon/dungeon_table.h"
#include "dungeon/walk.h"
#include "data/sound_names.h"
#include "data/stats.h"
#include "dungeon/story.h"
#include "persist/save_file.h"
#include "render/effects.h"
#include "screens/card_references.h"
#include "text/text.h"

namespace kestrilon {
namespace {

// Every table that names cards in code. A new table adds its list here.
using ReferenceList = std::span<const CardReference> (*)();
constexpr std::array kReferenceLists = {
    ReferenceList{&StatCardReferences},
    ReferenceList{&GainCardReferences},
    ReferenceList{&SaveFileCardReferences},
    ReferenceList{&ScreenCardReferences},
    ReferenceList{&BookEditCardReferences},
    ReferenceList{&EnemyCardReferences},
    ReferenceList{&StatusUpkeepCardReferences},
    ReferenceList{&DungeonCardReferences},
    ReferenceList{&WalkCardReferences},
    ReferenceList{&DungeonCardEffectReferences},
    ReferenceList{&ChestCardReferences},
    ReferenceList{&DecodingCardReferences},
    ReferenceList{&PrizeCardReferences},
    ReferenceList{&StoryCardReferences},
};

std::string_view KindName(CardKind kind) {
    switch (kind) {
        case CardKind::Dungeon: return "a dungeon card";
        case CardKind::Battle: return "a battle card";
        case CardKind::None: break;
    }
    return "no card";
}

template <typename Codes>
bool Known(const Codes& codes, int32_t code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool ActionKnown(CardKind kind, int32_t action) {
    if (kind == CardKind::Dungeon) return action == 0 || Known(kDungeonEffectCodes, action);
    return Known(kBattleActionCodes, action);
}

bool Drawn(int32_t effect) {
    const std::span<const EffectKind> kinds = DrawnEffectKinds();
    return effect == 0 || std::binary_search(kinds.begin(), kinds.end(), ToEffectKind(effect));
}

bool NamesACard(int32_t id) {
    const CardRow* row = CatalogueRow(id);
    return row != nullptr && !row->name.empty();
}

std::string Where(const CardRow& row) { return "card " + FormatInt(row.id) + " " + std::string(row.name) + ": "; }

std::string Where(const CardReference& ref) {
    std::string where = std::string(ref.user) + ": ";
    if (!ref.name.empty()) return where + "\"" + std::string(ref.name) + "\" ";
    return where + "card " + FormatInt(ref.id) + " ";
}

void Append(std::vector<std::string>& to, std::vector<std::string> lines) {
    to.insert(to.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
}

}  // namespace

std::vector<std::string> CardReferenceProblems(std::span<const CardReference> references) {
    std::vector<std::string> problems;
    for (const CardReference& ref : references) {
        if (ref.name.empty() == (ref.id == 0)) {
            problems.push_back(std::string(ref.user) + ": a reference needs either a name or an id");
            continue;
        }
        const int id = ref.name.empty() ? ref.id : CatalogueIdByName(ref.name);
        if (!NamesACard(id)) {
            problems.push_back(Where(ref) + "is no card");
            continue;
        }
        const CardKind kind = ClassifiedKind(id);
        if (kind != ref.kind) {
            const std::string found = ref.name.empty() ? "" : "(id " + FormatInt(id) + ") ";
            problems.push_back(Where(ref) + found + "is " + std::string(KindName(kind)) + ", not " +
                               std::string(KindName(ref.kind)));
        }
    }
    return problems;
}

std::vector<std::string> CardRowProblems(std::span<const CardRow> rows) {
    std::vector<std::string> problems;
    for (const CardRow& row : rows) {
        const CardKind kind = ClassifiedKind(row.id);
        auto report = [&](std::string what) { problems.push_back(Where(row) + std::move(what)); };
        if (kind != CardKind::None && !ActionKnown(kind, CodeOf(row.action))) {
            report("action " + FormatInt(CodeOf(row.action)) + " is not an action of " + std::string(KindName(kind)));
        }
        if (!Known(kEventCodes, CodeOf(row.eventKind))) report("unknown event " + FormatInt(CodeOf(row.eventKind)));
        if (!Known(kElementCodes, CodeOf(row.element))) report("unknown element " + FormatInt(CodeOf(row.element)));
        if (!row.sound.empty() && !IsWaveName(row.sound)) report("sound " + std::string(row.sound) + " is not listed");
        if (!Drawn(row.effectNumber)) report("effect " + FormatInt(row.effectNumber) + " is not drawn");
        if (!Drawn(row.effectGroup)) report("moving effect " + FormatInt(row.effectGroup) + " is not drawn");
        if (row.material != 0 && !NamesACard(row.material)) report("material " + FormatInt(row.material) + " is no card");
        if (row.needsOwned != 0 && !NamesACard(row.needsOwned)) {
            report("needs card " + FormatInt(row.needsOwned) + " owned, which is no card");
        }
    }
    return problems;
}

std::vector<std::string> ContentProblems() {
    std::vector<std::string> problems = CatalogueProblems();
    for (const auto& catalogue : {DungeonCatalogue(), BattleCatalogue()}) {
        for (std::span<const CardRow> group : catalogue) Append(problems, CardRowProblems(group));
    }
    for (ReferenceList list : kReferenceLists) Append(problems, CardReferenceProblems(list()));
    Append(problems, EnemyContentProblems());
    return problems;
}

void ReportContentProblems() {
#ifndef NDEBUG
    for (const std::string& line : ContentProblems()) std::cerr << "content: " << line << '\n';
#endif
}

}  // namespace kestrilon
