#include "DiscAssets.h"

#include "Art.h"
#include "GameScreens.h"
#include "SampleGames.h"
#include "ScreenLayout.h"

namespace assets {

namespace {

void AddImage(std::vector<DiscFile> &files, const std::string &path, const Image &image) {
    files.push_back({path, EncodeBmp(image)});
}

} // namespace

std::vector<DiscFile> GenerateDiscFiles() {
    std::vector<DiscFile> files;
    for (const NamedImage &n : SkinBitmaps())
        AddImage(files, n.path, n.image);
    const Image backdrop = Backdrop();
    for (const NamedImage &n : ButtonBitmaps(backdrop))
        AddImage(files, n.path, n.image);
    AddImage(files, screen::kBackdropFile, backdrop);
    AddImage(files, screen::kWelcomeFile, WelcomeScreen());
    const std::string script = screen::LayoutScript();
    files.push_back({"_data/layout.scr", std::vector<uint8_t>(script.begin(), script.end())});
    for (const GameScreen &g : GameScreens())
        AddImage(files, std::string(g.folder) + "/pic/ss.bmp", g.paint());
    for (ProgramFile &p : GameProgramFiles())
        files.push_back({std::move(p.path), std::move(p.bytes)});
    return files;
}

bool WriteDiscFiles(const std::filesystem::path &disc, const std::vector<DiscFile> &files,
                    std::string &failedPath) {
    for (const DiscFile &f : files) {
        if (!WriteFileBytes(disc / f.path, f.bytes)) {
            failedPath = (disc / f.path).string();
            return false;
        }
    }
    return true;
}

} // namespace assets
