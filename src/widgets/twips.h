#pragma once

#include <QRect>

namespace stak {

// Some windows were designed in twips: 15 make a pixel.
constexpr QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace stak
