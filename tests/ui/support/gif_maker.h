// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QSize>
#include <vector>

namespace zelvik::ui::test {

// The four colours of the GIFs MakeGif writes, by index.
inline const QColor kGifColours[] = {QColor(255, 255, 255), QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};

struct GifFrameSpec {
  QRect rect;        // on the logical screen
  int colour = 1;    // index into kGifColours; the frame is filled with it
  int delay = 10;    // hundredths of a second; -1 writes no graphic control extension
  int disposal = 0;
};

// A real, decodable GIF89a (LZW codes kept at three bits by clearing the table often).
QByteArray MakeGif(const QSize& screen, const std::vector<GifFrameSpec>& frames);

}  // namespace zelvik::ui::test
