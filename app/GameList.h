// The game list's rows: every game of the catalogue, grouped under the
// category folders that hold it, and what a category row stands for.
#pragma once

#include <string>
#include <vector>

#include "GUIControl.h"

class CCatalogEntry;

// Adds a row for every entry below the root, in display order, each row's
// data word pointing at its entry. A category row (its name and how many games
// it holds) comes before its contents, which are indented one step deeper.
// The games of a disc without categories get plain rows with their names.
void AddGameListRows(GUIControl *pList, const CCatalogEntry &root);

// The games inside an entry at every depth, in display order; a game alone
// for a game.
std::vector<CCatalogEntry *> GamesIn(CCatalogEntry &entry);

// "1 game", "4 games".
std::string GameCountText(std::size_t nGames);
