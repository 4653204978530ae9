#include "WindowIcon.h"

namespace host {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kOutline = kOpaque | 0x070C0Fu;
constexpr uint32_t kBody = kOpaque | 0x1F2C33u;
constexpr uint32_t kScreenFrame = kOpaque | 0x2EA496u;
constexpr uint32_t kScreen = kOpaque | 0xD4F6EFu;
constexpr uint32_t kDark = kOpaque | 0x356267u;
constexpr uint32_t kTeal = kOpaque | 0x2EA496u;
constexpr uint32_t kButton = kOpaque | 0x5C7880u;

class CIcon {
  public:
    CIcon() : m_pixels(kWindowIconSize * kWindowIconSize, 0) {}

    // A rectangle whose corners are cut round with the given radius.
    void RoundRect(int iLeft, int iTop, int iRight, int iBottom, int iRadius, uint32_t colour) {
        for (int y = iTop; y < iBottom; ++y)
            for (int x = iLeft; x < iRight; ++x)
                if (InsideCorners(x, y, iLeft, iTop, iRight, iBottom, iRadius))
                    Set(x, y, colour);
    }

    void Disc(int iCentreX, int iCentreY, int iRadius, uint32_t colour) {
        for (int y = iCentreY - iRadius; y <= iCentreY + iRadius; ++y)
            for (int x = iCentreX - iRadius; x <= iCentreX + iRadius; ++x)
                if (Square(x - iCentreX) + Square(y - iCentreY) <= Square(iRadius))
                    Set(x, y, colour);
    }

    std::vector<uint32_t> Take() { return std::move(m_pixels); }

  private:
    static int Square(int i) { return i * i; }

    static bool InsideCorners(int x, int y, int iLeft, int iTop, int iRight, int iBottom,
                              int iRadius) {
        const int cx = x < iLeft + iRadius     ? iLeft + iRadius
                       : x >= iRight - iRadius ? iRight - iRadius - 1
                                               : x;
        const int cy = y < iTop + iRadius       ? iTop + iRadius
                       : y >= iBottom - iRadius ? iBottom - iRadius - 1
                                                : y;
        return Square(x - cx) + Square(y - cy) <= Square(iRadius);
    }

    void Set(int x, int y, uint32_t colour) {
        if (x >= 0 && y >= 0 && x < kWindowIconSize && y < kWindowIconSize)
            m_pixels[static_cast<std::size_t>(y * kWindowIconSize + x)] = colour;
    }

    std::vector<uint32_t> m_pixels;
};

} // namespace

std::vector<uint32_t> WindowIconPixels() {
    CIcon icon;
    icon.RoundRect(8, 1, 40, 47, 7, kOutline);
    icon.RoundRect(10, 3, 38, 45, 5, kBody);
    icon.RoundRect(12, 5, 36, 31, 2, kScreenFrame);
    icon.RoundRect(14, 7, 34, 29, 1, kScreen);
    icon.RoundRect(17, 11, 23, 17, 0, kDark);
    icon.RoundRect(25, 15, 31, 21, 0, kTeal);
    icon.RoundRect(17, 22, 31, 25, 0, kDark);
    icon.Disc(16, 38, 2, kButton);
    icon.Disc(24, 38, 3, kTeal);
    icon.Disc(32, 38, 2, kButton);
    return icon.Take();
}

} // namespace host
