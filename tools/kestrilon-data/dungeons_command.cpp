#include <string>

#include "commands.h"
#include "data/catalogue.h"
#include "dungeon/dungeon_table.h"

namespace kestrilon::data_tool {
namespace {

// "id name", so an author sees what a prize is without a second look-up.
std::string Card(int id) {
    if (id == 0) return "0";
    const CardRow* row = CatalogueRow(id);
    return std::to_string(id) + " " + (row ? std::string(row->name) : std::string("?"));
}

}  // namespace

int RunDungeons(Args args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "kestrilon-data dungeons takes no arguments\n";
        return 2;
    }
    out << "number\tpicture\tname\tcipherPrize\tstrata\trequiredDungeon\ttrees\tsecretTreasure\tsecretKey";
    for (int k = 0; k < 6; ++k) out << "\tchestPrize" << k;
    out << "\tironChestPrize\tredChestPrize\ttrapPrize\tdifficulty\tlength\n";
    for (const DungeonRow& r : DungeonRows()) {
        out << r.number << '\t' << r.picture << '\t' << r.name << '\t' << Card(r.cipherPrize) << '\t' << r.strata << '\t'
            << r.requiredDungeon << '\t' << r.trees << '\t' << Card(r.secretTreasure) << '\t' << Card(r.secretKey);
        for (int prize : r.chestPrizes) out << '\t' << Card(prize);
        out << '\t' << Card(r.ironChestPrize) << '\t' << Card(r.redChestPrize) << '\t' << Card(r.trapPrize) << '\t'
            << r.difficulty << '\t' << r.length << '\n';
    }
    return 0;
}

}  // namespace kestrilon::data_tool
