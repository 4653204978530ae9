// The parts of the back buffer drawn since the window last showed it: a few
// rectangles kept apart, merged into their union once there are more, so that
// one window update shows them all.
#pragma once

#include <cstddef>
#include <vector>

#include "GfxAPI.h"

namespace host {

class CUpdateRegion {
  public:
    // Empty rectangles are ignored; one inside a held rectangle adds nothing.
    void Add(const GUIRect &rect);
    bool IsEmpty() const { return m_rects.empty(); }
    // Never more than kMaxRects, none inside another.
    const std::vector<GUIRect> &Rects() const { return m_rects; }
    void Clear() { m_rects.clear(); }

    static constexpr std::size_t kMaxRects = 8;

  private:
    std::vector<GUIRect> m_rects;
};

} // namespace host
