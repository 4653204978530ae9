#include "MainWindowRun.h"

#include <iostream>
#include <string>

#include "GUISkin.h"

bool RunMainWindow(host::CHostDialog &dialog,
                   const std::function<void(host::CHostWindow &)> &prepare) {
    if (const auto missing = host::MissingDisplayMessage()) {
        std::cerr << *missing << '\n';
        return false;
    }
    GUISkinLoad();
    host::CHostWindow window;
    std::string strError;
    if (!window.Open(strError)) {
        std::cerr << strError << '\n';
        return false;
    }
    if (prepare)
        prepare(window);
    window.DoModal(dialog);
    return true;
}
