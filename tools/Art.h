// The generated pictures, each with its path relative to the disc's top folder.
#pragma once

#include "AssetImage.h"

#include <string>
#include <vector>

namespace assets {

struct NamedImage {
    std::string path;
    Image image;
};

// The skin: 34 files in _data, sized for the places the skin draws them.
std::vector<NamedImage> SkinBitmaps();

// The main screen's backdrop (panels, wells, handheld) and the handheld screen
// shown before a game is chosen.
Image Backdrop();
Image WelcomeScreen();

// The application's six buttons, released and pushed, their labels drawn in and
// their corners blended with the backdrop where each one stands.
std::vector<NamedImage> ButtonBitmaps(const Image &backdrop);

} // namespace assets
