#include "UpdateRegion.h"

#include <algorithm>

namespace host {
namespace {

bool Contains(const GUIRect &outer, const GUIRect &inner) {
    return outer.iLeft <= inner.iLeft && inner.iRight <= outer.iRight && outer.iTop <= inner.iTop &&
           inner.iBottom <= outer.iBottom;
}

GUIRect Union(const GUIRect &a, const GUIRect &b) {
    return {std::min(a.iLeft, b.iLeft), std::max(a.iRight, b.iRight), std::min(a.iTop, b.iTop),
            std::max(a.iBottom, b.iBottom)};
}

} // namespace

void CUpdateRegion::Add(const GUIRect &rect) {
    if (rect.iLeft >= rect.iRight || rect.iTop >= rect.iBottom)
        return;
    if (std::any_of(m_rects.begin(), m_rects.end(),
                    [&](const GUIRect &held) { return Contains(held, rect); }))
        return;
    std::erase_if(m_rects, [&](const GUIRect &held) { return Contains(rect, held); });
    if (m_rects.size() < kMaxRects) {
        m_rects.push_back(rect);
        return;
    }
    GUIRect all = rect;
    for (const GUIRect &held : m_rects)
        all = Union(all, held);
    m_rects.assign(1, all);
}

} // namespace host
