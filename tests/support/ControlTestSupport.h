// Test helpers for the toolkit: a clean tree per test, scratch folders for
// script files, loading a script with its standard output captured, and a
// probe control that records the calls it receives.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "GUIControl.h"
#include "GUIModule.h"
#include "GUIScript.h"

namespace testsupport {

// Takes a control out of the tree and frees it if its type allocated it.
inline void RemoveAndFree(GUIControl *ctl) {
    const bool allocated = ctl->bAllocated;
    ctl->Remove(ctl);
    if (allocated)
        __dfree(ctl);
}

// Every toolkit test starts with a back buffer, no tree and no skin hooks, and
// leaves no tree behind.
class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GfxAPIInit(nullptr, 320, 240);
        pGUIControlRoot = nullptr;
        pGUIControlMarked = nullptr;
    }
    void TearDown() override {
        if (pGUIControlRoot)
            RemoveAndFree(pGUIControlRoot);
        pGUIBitmapSkinInit = nullptr;
        pGUIButtonSkinInit = nullptr;
        pGUIDesktopSkinInit = nullptr;
    }
};

// A folder of its own below the system's temporary folder, removed with its
// contents at the end of the test.
class ScratchDir {
  public:
    ScratchDir() {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("quelmara-" + std::string(info->name()) + "-" + std::to_string(getpid()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    // Writes the bytes exactly as given and returns the file's path.
    std::string Write(const std::string &name, const std::string &bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string Path(const std::string &name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

struct LoadResult {
    GUIControl *ctl;
    std::string out; // what the loader printed on standard output
};

inline LoadResult LoadScriptFile(const std::string &path, GUIControl *parent = nullptr) {
    ::testing::internal::CaptureStdout();
    GUIControl *ctl = GUIControlCreateFromFile(parent, path.c_str());
    return {ctl, ::testing::internal::GetCapturedStdout()};
}

// One call a probe received.
struct ProbeCall {
    std::string who;
    std::string what; // "mouse", "key", "timer", "remove"
    int32_t x = 0;
    int32_t y = 0;
    int inside = 0;
    bool operator==(const ProbeCall &) const = default;
};

inline std::ostream &operator<<(std::ostream &os, const ProbeCall &c) {
    os << c.who << ':' << c.what;
    if (c.what == "mouse")
        os << '(' << c.x << ',' << c.y << ',' << c.inside << ')';
    return os;
}

// A control whose operations append to a shared log. Keys are taken by probes
// whose bTakesKeys is set.
struct Probe {
    GUIControl oControl;
    const char *pszName;
    std::vector<ProbeCall> *pLog;
    bool bTakesKeys;
};

inline Probe *AsProbe(GUIControl *ctl) {
    return reinterpret_cast<Probe *>(ctl);
}

inline void ProbeMouse(GUIControl *self, int32_t x, int32_t y, uint8_t, uint8_t, uint8_t inside) {
    AsProbe(self)->pLog->push_back({AsProbe(self)->pszName, "mouse", x, y, inside});
}
inline bool ProbeKey(GUIControl *self, int32_t, int32_t) {
    AsProbe(self)->pLog->push_back({AsProbe(self)->pszName, "key"});
    return AsProbe(self)->bTakesKeys;
}
inline void ProbeTimer(GUIControl *self) {
    AsProbe(self)->pLog->push_back({AsProbe(self)->pszName, "timer"});
}
inline void ProbeRemove(GUIControl *self) {
    AsProbe(self)->pLog->push_back({AsProbe(self)->pszName, "remove"});
    GUIControlRemove(self);
}

// Initialises a probe in place (not allocated) at left, top with the given size.
inline GUIControl *InitProbe(Probe &probe, GUIControl *parent, const char *name,
                             std::vector<ProbeCall> &log, int32_t left, int32_t top, int32_t width,
                             int32_t height) {
    GUIRect rect{left, left + width, top, top + height};
    GUIControlInit(&probe.oControl, parent, &rect);
    probe.pszName = name;
    probe.pLog = &log;
    probe.bTakesKeys = false;
    probe.oControl.Mouse = ProbeMouse;
    probe.oControl.Key = ProbeKey;
    probe.oControl.OnTimer = ProbeTimer;
    probe.oControl.Remove = ProbeRemove;
    return &probe.oControl;
}

} // namespace testsupport
