// Screenshots of the sample games, one per game folder.
#pragma once

#include "AssetImage.h"

#include <vector>

namespace assets {

struct GameScreen {
    const char *folder;
    Image (*paint)();
};

const std::vector<GameScreen> &GameScreens();

} // namespace assets
