#pragma once
// The book text export: the edited book as a CP932 text file with CR LF line ends,
// written beside the program as "VeskBook" + "D-" or "B-" + the local time + ".txt".
#include <ctime>
#include <filesystem>
#include <string>

#include "state/books_state.h"

namespace kestrilon {

struct Game;

enum class ExportOrder {
    ById,       // "Txt出力": every card of the book by id
    SixStats,   // "6大ｽﾃｰﾀｽのみ": the cards raising a main stat, one pass per stat
    ByElement,  // "属性順": by element 1..10, then the cards without one
};

// The file's bytes (CP932, CR LF).
std::string BookExportText(const Game& g, Book book, ExportOrder order);
std::filesystem::path BookExportPath(const Game& g, Book book, const std::tm& localTime);

// Writes the file whole or not at all; logs the outcome. False when it could not be written.
bool ExportBook(Game& g, ExportOrder order, const std::tm& localTime);
// The button: asks, then exports at the current local time.
void ExportClick(Game& g, ExportOrder order);

}  // namespace kestrilon
