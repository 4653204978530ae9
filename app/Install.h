// Installing a game. The operations themselves are members of the game entry
// (CCatalogGame::Install, CopyTree and IsCopiedName in GameCatalog.h); this is
// the rule that turns a game's display name into its folder's name.
#pragma once

#include <string>

// The display name with control characters (a line end kept from "_name")
// dropped and "/" made "_"; a name that is then empty, "." or ".." gives way to
// the game folder's own name. The result is one folder name, never a path.
std::string InstalledFolderName(const std::string &strDisplayName,
                                const std::string &strGameFolder);
