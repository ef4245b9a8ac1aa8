#include "data/card_database.h"

#include <algorithm>
#include <array>
#include <span>

#include "data/capacity.h"
#include "data/card_text.h"
#include "data/catalogue.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kLastClassified = 2999;
constexpr int kLastBattleId = 2328;
constexpr int kElements = static_cast<int>(kElementCodes.size());
constexpr int kFoot = 1;  // the basic cards, owned in a full book's number
constexpr int kFinger = kFirstBattleCard;

// A catalogue row with its compiled text, so the refill walks one flat list.
struct PreparedRow {
    const CardRow* row = nullptr;
    uint32_t firstStep = 0;
    uint32_t stepCount = 0;
};

struct PreparedCatalogue {
    std::vector<PreparedRow> rows;
    std::vector<TextStep> steps;
    std::vector<const CardRow*> liveRows;  // rows whose numbers follow the books
    std::array<CardTerms, kCardIds> terms{};
    std::array<const CardRow*, kCardIds> byId{};
    std::vector<std::string> problems;
};

bool PictureNameOk(std::string_view image) {
    if (image.empty()) return true;
    if (image.size() <= 4 || !image.ends_with(".jpg")) return false;
    return std::all_of(image.begin(), image.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    });
}

void PrepareGroups(PreparedCatalogue& p, std::span<const std::span<const CardRow>> groups, int firstId, int lastId) {
    for (std::span<const CardRow> group : groups) {
        int previous = 0;
        for (const CardRow& row : group) {
            const std::string where = "card " + FormatInt(row.id) + " " + std::string(row.name) + ": ";
            if (row.id < firstId || row.id > lastId) {
                p.problems.push_back(where + "id outside " + FormatInt(firstId) + ".." + FormatInt(lastId));
                continue;
            }
            if (row.id <= previous) p.problems.push_back(where + "not in id order within its group");
            previous = row.id;
            if (row.name.empty()) p.problems.push_back(where + "no name");
            if (!PictureNameOk(row.image)) p.problems.push_back(where + "picture name " + std::string(row.image));
            PreparedRow prepared;
            prepared.row = &row;
            prepared.firstStep = static_cast<uint32_t>(p.steps.size());
            std::string error;
            if (!CompileRecipe(row.text, p.steps, error)) {
                p.problems.push_back(where + error);
                TextStep raw;
                raw.literal = row.text;
                p.steps.push_back(raw);
            }
            prepared.stepCount = static_cast<uint32_t>(p.steps.size()) - prepared.firstStep;
            p.rows.push_back(prepared);
            if (row.live == Live::WindHalfKm || row.live == Live::DarkCountMaxMp || row.live == Live::EarthCountMaxHp) {
                p.liveRows.push_back(&row);
            }
            p.byId[static_cast<size_t>(row.id)] = &row;
            p.terms[static_cast<size_t>(row.id)] =
                CardTerms{row.requiredLevel, row.requiredDungeon, row.treeDungeon, row.strataDungeon};
        }
    }
}

const PreparedCatalogue& Prepared() {
    static const PreparedCatalogue prepared = [] {
        PreparedCatalogue p;
        PrepareGroups(p, DungeonCatalogue(), 1, kFirstBattleCard - 1);
        PrepareGroups(p, BattleCatalogue(), kFirstBattleCard, kLastBattleId);
        return p;
    }();
    return prepared;
}

#define KESTRILON_FILL_SKIP(...)
#define KESTRILON_FILL_NUMBER(member, ...) c.member = CodeOf(r.member);
#define KESTRILON_FILL_LEVELLED(member, label) \
    if (lv.member != kKeep) c.member = lv.member;

void AssignRow(titem& c, const CardRow& r) {
    c.name.assign(r.name);
    c.image.assign(r.image);
    c.sound.assign(r.sound);
    KESTRILON_CARD_FIELDS(KESTRILON_FILL_SKIP, KESTRILON_FILL_NUMBER, KESTRILON_FILL_NUMBER, KESTRILON_FILL_SKIP)
}

void ApplyLevel(titem& c, const Lv& lv) {
    KESTRILON_CARD_FIELDS(KESTRILON_FILL_SKIP, KESTRILON_FILL_SKIP, KESTRILON_FILL_LEVELLED, KESTRILON_FILL_SKIP)
}

#undef KESTRILON_FILL_SKIP
#undef KESTRILON_FILL_NUMBER
#undef KESTRILON_FILL_LEVELLED

// The eight bonuses in the order the stat part lists them.
struct Bonus {
    std::string_view label;
    int32_t titem::*member;
};
constexpr std::array<Bonus, 8> kBonuses = {{
    {"MaxHP ", &titem::maxHp},
    {"MaxMP ", &titem::maxMp},
    {"STR ", &titem::str},
    {"VIT ", &titem::vit},
    {"DEX ", &titem::dex},
    {"AGI ", &titem::agi},
    {"INT ", &titem::int_},
    {"MND ", &titem::mnd},
}};

bool HasStatPart(const titem& c) {
    if (c.isRanged >= 1 || c.critical > 0) return true;
    return std::any_of(kBonuses.begin(), kBonuses.end(), [&](const Bonus& b) { return c.*b.member != 0; });
}

void AppendStatPart(std::string& s, const titem& c) {
    if (c.isRanged >= 1) s.append("<遠隔> ");
    for (const Bonus& b : kBonuses) {
        if (c.*b.member > 0) {
            s.append(b.label);
            AppendInt(s, c.*b.member);
            s.push_back(' ');
        }
    }
    for (const Bonus& b : kBonuses) {
        if (c.*b.member < 0) {
            s.append(b.label);
            AppendInt(s, c.*b.member);
            s.push_back(' ');
        }
    }
    if (c.critical > 0) {
        s.append("ｸﾘﾃｨｶﾙ ");
        AppendInt(s, c.critical);
        s.push_back(' ');
    }
}

// Appends the stat part to `text`, which holds the card's own text.
void AppendFormattedStats(std::string& text, const titem& c) {
    const bool hadText = !text.empty();
    text.push_back(' ');
    if (!HasStatPart(c)) return;
    if (hadText) text.append(" / ");
    AppendStatPart(text, c);
}

using ElementCountTable = std::array<int, kElements>;

int CountOf(const ElementCountTable& counts, Element element) { return counts[static_cast<size_t>(CodeOf(element))]; }

ElementCountTable ElementCounts(const Game& g) {
    ElementCountTable counts{};
    for (int id = 0; id < kCardIds; ++id) {
        const int copies = g.player.BookContents[static_cast<size_t>(id)];
        const int element = g.cards[id].element;
        if (copies > 0 && element >= 0 && element < kElements) counts[static_cast<size_t>(element)] += copies;
    }
    return counts;
}

}  // namespace

void FillCardDatabase(Game& g) {
    const PreparedCatalogue& p = Prepared();
    CardDatabase& db = g.cards;
    PlayerState& player = g.player;

    const int capacity = BookCapacity(g);
    player.CardCollection[kFoot] = capacity;
    player.CardCollection[kFinger] = capacity;

    for (int id = 1; id < kCardIds; ++id) db[id].text.clear();

    const bool altarOpen = player.unlockFlags[kFlagAltar] >= 1;
    for (const PreparedRow& prepared : p.rows) {
        const CardRow& row = *prepared.row;
        titem& card = db[row.id];
        AssignRow(card, row);
        const int level = player.CardLevel[static_cast<size_t>(row.id)];
        if (level >= 1 && level <= static_cast<int>(row.levels.size())) {
            ApplyLevel(card, row.levels[static_cast<size_t>(level - 1)]);
        }
        if (row.live == Live::BookCapacityCopies) card.maxCopies = capacity;
        if (row.needsOwned != 0) {
            const int owned = player.CardCollection[static_cast<size_t>(row.needsOwned)];
            if (owned == 0 || (row.needsPositive && owned < 0)) {
                card.price = 0;
                card.material = 0;
            }
        }
        if (row.altarOnly && !altarOpen) card.name.clear();
    }

    // Book-dependent numbers wait until every element of this fill is in place.
    if (!p.liveRows.empty()) {
        const ElementCountTable counts = ElementCounts(g);
        for (const CardRow* row : p.liveRows) {
            titem& card = db[row->id];
            switch (row->live) {
                case Live::WindHalfKm: card.value = CountOf(counts, Element::Wind) / 2; break;
                case Live::DarkCountMaxMp: card.maxMp = CountOf(counts, Element::Dark); break;
                case Live::EarthCountMaxHp: card.maxHp = CountOf(counts, Element::Earth); break;
                case Live::None:
                case Live::BookCapacityCopies: break;
            }
        }
    }

    for (const PreparedRow& prepared : p.rows) {
        titem& card = db[prepared.row->id];
        AppendRecipeText(card.text, std::span(p.steps).subspan(prepared.firstStep, prepared.stepCount), card);
    }

    for (int id = 1; id <= kLastClassified; ++id) {
        titem& card = db[id];
        if (!card.name.empty()) card.kind = CodeOf(ClassifiedKind(id));
    }
    for (int id = 1; id <= kLastClassified; ++id) AppendFormattedStats(db[id].text, db[id]);
}

CardKind ClassifiedKind(int id) {
    if (id >= 1 && id < kFirstBattleCard) return CardKind::Dungeon;
    if (id >= kFirstBattleCard && id <= kLastClassified) return CardKind::Battle;
    return CardKind::None;
}

int CardIdByName(const Game& g, std::string_view name) {
    if (name.empty()) return 0;
    for (int id = kCardIds - 1; id > 0; --id) {
        if (g.cards[id].name == name) return id;
    }
    return 0;
}

int ElementCount(const Game& g, Element element) {
    int count = 0;
    for (int id = 0; id < kCardIds; ++id) {
        const int copies = g.player.BookContents[static_cast<size_t>(id)];
        if (copies > 0 && g.cards[id].element == CodeOf(element)) count += copies;
    }
    return count;
}

std::string_view RarityLabel(const titem& c) {
    static constexpr std::array<std::string_view, 11> kGrades = {
        "", "SS", "Ｓ", "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "普通", "俗", "無価値"};
    std::string_view label = c.maxCopies >= 1 && c.maxCopies <= 10 ? kGrades[static_cast<size_t>(c.maxCopies)] : "";
    if (c.price > 0) label = "売物";
    if (c.material > 0) label = "合成";
    if (c.isUltraRare >= 1) label = "極レア";
    if (c.isRare >= 1) label = "レア";
    if (c.isTreasure >= 1) label = "宝珠";
    if (c.isSecret >= 1) label = "秘宝";
    if (c.isPaid >= 1) label = "課金";
    if (c.isCalling >= 1) label = "呼声";
    if (c.isLure >= 1) label = "誘い";
    return label;
}

std::string_view RarityLabel(const Game& g, int id) {
    if (!CardDatabase::ValidId(id)) return "";
    return RarityLabel(g.cards[id]);
}

namespace {
struct ElementLook {
    std::string_view name;
    uint32_t colour;
};
// Indexed by the element's code.
constexpr std::array<ElementLook, kElements> kElementLooks = {{
    {"", 0x999999},
    {"玉", 0x66CCCC},
    {"火", 0x0000CC},
    {"水", 0xCC9900},
    {"風", 0x00CC00},
    {"土", 0x336699},
    {"氷", 0xCC9999},
    {"雷", 0xFF9999},
    {"光", 0xFFEEDD},
    {"闇", 0xCC00CC},
    {"水晶", 0xCCCC99},
}};
}  // namespace

std::string_view ElementName(int element) {
    if (element <= CodeOf(Element::None) || element >= kElements) return "";
    return kElementLooks[static_cast<size_t>(element)].name;
}

uint32_t ElementColour(int element) {
    if (element <= CodeOf(Element::None) || element >= kElements) return 0x999999;
    return kElementLooks[static_cast<size_t>(element)].colour;
}

std::string FormatCardStats(const titem& card) {
    std::string text = card.text;
    AppendFormattedStats(text, card);
    return text;
}

bool PreviewStrengthening(Game& g, int id) {
    if (!CardDatabase::ValidId(id)) return false;
    int32_t& level = g.player.CardLevel[static_cast<size_t>(id)];
    if (level >= g.cards[id].nextLevel) return false;
    // The preview holds the card as it was while the table is refilled one level up; the
    // swap then puts that copy back and leaves the raised record in the preview.
    g.cards.preview = g.cards[id];
    ++level;
    FillCardDatabase(g);
    --level;
    std::swap(g.cards.preview, g.cards[id]);
    return true;
}

const CardTerms& CardTermsOf(int id) {
    static const CardTerms kNone{};
    if (!CardDatabase::ValidId(id)) return kNone;
    return Prepared().terms[static_cast<size_t>(id)];
}

std::vector<std::string> CatalogueProblems() { return Prepared().problems; }

const CardRow* CatalogueRow(int id) {
    if (!CardDatabase::ValidId(id)) return nullptr;
    return Prepared().byId[static_cast<size_t>(id)];
}

int CatalogueIdByName(std::string_view name) {
    if (name.empty()) return 0;
    for (int id = kCardIds - 1; id > 0; --id) {
        const CardRow* row = CatalogueRow(id);
        if (row != nullptr && row->name == name) return id;
    }
    return 0;
}

}  // namespace kestrilon
