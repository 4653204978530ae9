#include "GameList.h"

#include "GUIList.h"
#include "GameCatalog.h"

namespace {

// One step of indentation, in blanks of the list's font.
constexpr const char *kIndentStep = "    ";

void CollectGames(const CCatalogEntry &entry, std::vector<CCatalogEntry *> &games) {
    for (CCatalogEntry *pChild = entry.GetFirstChild(); pChild; pChild = pChild->GetNext()) {
        if (pChild->IsGame())
            games.push_back(pChild);
        else
            CollectGames(*pChild, games);
    }
}

void AddRow(GUIControl *pList, const std::string &strText, const CCatalogEntry &entry) {
    const int32_t iRow = GUIListAdd(pList, strText.c_str());
    GUIListSetData(pList, reinterpret_cast<uintptr_t>(&entry), iRow);
}

void AddRows(GUIControl *pList, const CCatalogEntry &folder, const std::string &strIndent) {
    for (CCatalogEntry *pChild = folder.GetFirstChild(); pChild; pChild = pChild->GetNext()) {
        if (pChild->IsGame()) {
            AddRow(pList, strIndent + pChild->GetName(), *pChild);
            continue;
        }
        const std::size_t nGames = GamesIn(*pChild).size();
        AddRow(pList, strIndent + pChild->GetName() + " (" + std::to_string(nGames) + ")", *pChild);
        AddRows(pList, *pChild, strIndent + kIndentStep);
    }
}

} // namespace

void AddGameListRows(GUIControl *pList, const CCatalogEntry &root) {
    AddRows(pList, root, "");
}

std::vector<CCatalogEntry *> GamesIn(CCatalogEntry &entry) {
    std::vector<CCatalogEntry *> games;
    if (entry.IsGame())
        games.push_back(&entry);
    else
        CollectGames(entry, games);
    return games;
}

std::string GameCountText(std::size_t nGames) {
    return std::to_string(nGames) + (nGames == 1 ? " game" : " games");
}
