// A dialog for the host tests that writes down every handler call.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "HostDialog.h"

namespace hosttest {

// The handler, the flags for mouse handlers or the key code for OnKeyDown, x, y.
using Call = std::tuple<std::string, uint32_t, int32_t, int32_t>;

class CRecordingDialog : public host::CHostDialog {
  public:
    std::vector<Call> calls;

    bool OnInitDialog() override {
        Record("init");
        return true;
    }
    void OnPaint() override { Record("paint"); }
    // f is the mouse-flag word.
    void OnMouseMove(uint32_t f, int32_t x, int32_t y) override { Record("move", f, x, y); }
    void OnLButtonDown(uint32_t f, int32_t x, int32_t y) override { Record("ldown", f, x, y); }
    void OnLButtonUp(uint32_t f, int32_t x, int32_t y) override { Record("lup", f, x, y); }
    void OnRButtonDown(uint32_t f, int32_t x, int32_t y) override { Record("rdown", f, x, y); }
    void OnRButtonUp(uint32_t f, int32_t x, int32_t y) override { Record("rup", f, x, y); }
    void OnKeyDown(uint32_t virtualKey) override { Record("key", virtualKey); }
    void OnWindowTimer() override { Record("timer"); }
    void OnSearchCommand() override { Record("search"); }
    void OnCancel() override {
        Record("cancel");
        CHostDialog::OnCancel();
    }

  protected:
    void Record(const std::string &handler, uint32_t value = 0, int32_t x = 0, int32_t y = 0) {
        calls.emplace_back(handler, value, x, y);
    }
};

} // namespace hosttest
