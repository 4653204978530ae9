// libFuzzer target: the layout-script loader on arbitrary file contents, then
// the loaded tree through the writer, the dump and every dispatch entry point.
#include <cstdint>
#include <cstdio>
#include <string>

#include "FuzzScratch.h"
#include "GUIControl.h"
#include "GUIModule.h"
#include "GUIScript.h"

namespace {

std::string scriptPath;
FILE *sink = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    scriptPath = fuzzscratch::Make() / "input.scr";
    sink = std::fopen("/dev/null", "wb");
    pGUILogFile = sink;
    GfxAPIInit(nullptr, 64, 48);
    // Stands in for the skin's bitmap initialiser without opening the named
    // file: a script may name any path (a device, a huge file), and the fuzzer
    // must neither hang nor fill its memory on one.
    pGUIBitmapSkinInit = [](GUIControl *ctl) { GUIControlSetSize(ctl, 16, 12); };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzzscratch::Write(scriptPath, data, size);
    GUIControl *ctl = GUIControlCreateFromFile(nullptr, scriptPath.c_str());
    if (ctl) {
        GUIControlSaveTree(ctl, sink, 0);
        GUIControlDumpToLog(nullptr, 0);
        GUIControlMouse(ctl, 10, 10, 1, 1, 1);
        GUIControlMouse(ctl, 11, 10, 0, 1, 1);
        GUIControlMouse(ctl, -5, 70000, 2, 2, 1);
        GUIControlUpdate();
        GUIControlShareKey(ctl, 13, 0);
        GUIControlOnTimer(ctl);
        GUIControlRedrawThis(ctl);
    }
    if (pGUIControlRoot)
        GUIControlDestroy(pGUIControlRoot);
    return 0;
}
