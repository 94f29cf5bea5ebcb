#pragma once
// Which of the three pointer spots is lit: the two flags and the home page link. Leaving the
// window raises no pointer event, so while a spot is lit a timer polls the pointer.
#include <cstdint>

#include "core/common/geometry.h"

namespace zintar {

enum class HoverSpot : uint8_t { None, EnglishFlag, HungarianFlag, HomepageLink };

// The pointer is compared in twips, scaled by this fixed factor whatever the screen's ratio.
constexpr int32_t kPointerTwipsPerPixel = 15;

// The timer polls only while a spot is lit. Every change of the lit spot puts everything
// out first and restarts the timer from a fresh period.
class HoverState {
  public:
    // The pointer moved onto a spot. False when it was already lit (nothing changes).
    bool Enter(HoverSpot spot);
    // The pointer moved over the bare window. True when that put a spot out.
    bool MoveOverSurface();
    // A timer tick with the pointer's screen position and the window's outer rectangle.
    // True when the pointer was outside and the spot went out. The window's left and top
    // edges count as inside, its right and bottom ones as outside.
    bool Tick(ScreenPoint pointer, const PixelRect& window);
    void Reset() { lit_ = HoverSpot::None; }

    HoverSpot lit() const { return lit_; }
    bool timerRunning() const { return lit_ != HoverSpot::None; }
    // The pointer of the last tick, in twips.
    TwipsPoint lastPointerTwips() const { return pointerTwips_; }

  private:
    HoverSpot lit_ = HoverSpot::None;
    TwipsPoint pointerTwips_;
};

} // namespace zintar
