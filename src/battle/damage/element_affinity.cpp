#include "battle/damage/element_affinity.h"

#include <algorithm>
#include <initializer_list>

namespace kestrilon {
namespace {

struct AffinityRow {
    Element attribute;
    std::initializer_list<Element> resists;
    std::initializer_list<Element> weakTo;
};

using enum Element;
// Checked in this order; the order decides the order of the log lines.
const AffinityRow kRows[] = {
    {Water, {Fire}, {Ice, Thunder}},
    {Wind, {Wind, Earth}, {Fire, Thunder}},
    {Earth, {Earth, Fire}, {Water, Wind}},
    {Fire, {Wind, Fire}, {Water}},
    {Ice, {Wind, Water}, {Fire, Gem}},
    {Thunder, {Thunder, Light, Water}, {Earth, Crystal}},
    {Light, {Light}, {Dark}},
    {Dark, {Dark}, {Light}},
};

int32_t AttributeFlag(const tenemy& t, Element attribute) {
    switch (attribute) {
        case Water: return t.water;
        case Wind: return t.wind;
        case Earth: return t.earth;
        case Fire: return t.fire;
        case Ice: return t.ice;
        case Thunder: return t.thunder;
        case Light: return t.light;
        case Dark: return t.dark;
        default: return 0;
    }
}

bool Contains(std::initializer_list<Element> list, Element e) { return std::find(list.begin(), list.end(), e) != list.end(); }

void Push(AffinityMatches& out, Element attribute, Affinity affinity) {
    if (out.count < static_cast<int>(out.matches.size())) out.matches[static_cast<size_t>(out.count++)] = {attribute, affinity};
}

struct ElementTexts {
    Element element;
    AffinityTexts resists;
    AffinityTexts weak;
};
constexpr ElementTexts kTexts[] = {
    {Fire, {"　火耐性..", "-火耐性-"}, {"　火弱点!!", "火弱点！"}},
    {Water, {"　水耐性..", "-水耐性-"}, {"　水弱点!!", "水弱点！"}},
    {Wind, {"　風耐性..", "-風耐性-"}, {"　風弱点!!", "風弱点！"}},
    {Earth, {"　土耐性..", "-土耐性-"}, {"　土弱点!!", "土弱点！"}},
    {Thunder, {"　雷耐性..", "-雷耐性-"}, {"　雷弱点!!", "雷弱点！"}},
    {Light, {"　光耐性..", "-光耐性-"}, {"　光弱点!!", "光弱点！"}},
    {Dark, {"　闇耐性..", "-闇耐性-"}, {"　闇弱点!!", "闇弱点！"}},
    {Ice, {}, {"　氷弱点!!", "氷弱点！"}},
    {Gem, {}, {"　玉弱点!!", "玉弱点！"}},
    {Crystal, {}, {"　水晶弱点!!", "水晶弱点！"}},
};

}  // namespace

void AddAffinities(AffinityMatches& out, Element attribute, Element cardElement) {
    for (const AffinityRow& row : kRows) {
        if (row.attribute != attribute) continue;
        if (Contains(row.resists, cardElement)) Push(out, attribute, Affinity::Resists);
        if (Contains(row.weakTo, cardElement)) Push(out, attribute, Affinity::Weak);
    }
}

AffinityMatches ElementAffinities(const tenemy& target, Element cardElement) {
    AffinityMatches out;
    for (const AffinityRow& row : kRows)
        if (AttributeFlag(target, row.attribute) > 0) AddAffinities(out, row.attribute, cardElement);
    return out;
}

int ApplyAffinities(int power, const AffinityMatches& matches) {
    for (int i = 0; i < matches.count; ++i) {
        if (matches.matches[static_cast<size_t>(i)].affinity == Affinity::Resists)
            power /= 2;
        else
            power = power > (1 << 29) ? (1 << 30) : power * 2;  // never overflows, whatever a table holds
    }
    return power;
}

AffinityTexts AffinityTextsOf(Element cardElement, Affinity affinity) {
    for (const ElementTexts& t : kTexts)
        if (t.element == cardElement) return affinity == Affinity::Resists ? t.resists : t.weak;
    return {};
}

}  // namespace kestrilon
