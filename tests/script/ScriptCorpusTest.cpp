// Every input of the fuzzer's corpus, including those it once failed on, loads
// (or fails) cleanly and leaves no tree behind once removed.
#include <gtest/gtest.h>

#include <filesystem>

#include "ControlTestSupport.h"
#include "PngDump.h"

namespace {

class ScriptCorpus : public testsupport::ToolkitTest {};

TEST_F(ScriptCorpus, EveryInputLoadsOrFailsCleanly) {
    const std::filesystem::path corpus = testsupport::SourcePath("tests/fuzz/corpus/script");
    int inputs = 0;
    for (const auto &entry : std::filesystem::directory_iterator(corpus)) {
        auto r = testsupport::LoadScriptFile(entry.path().string());
        EXPECT_EQ(r.ctl, pGUIControlRoot) << entry.path();
        if (r.ctl)
            GUIControlDestroy(r.ctl);
        EXPECT_EQ(pGUIControlRoot, nullptr) << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
