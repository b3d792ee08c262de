// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gif_maker.h"

namespace zelvik::ui::test {

namespace {

void Word(QByteArray& out, int v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}

// Colour indices as LZW codes of three bits, with a clear code after every second pixel so
// that the table never grows into four-bit codes.
QByteArray Lzw(int pixels, int colour) {
  constexpr int kClear = 4, kEnd = 5;
  QByteArray bytes;
  unsigned bits = 0;
  int count = 0;
  const auto put = [&](int code) {
    bits |= static_cast<unsigned>(code) << count;
    count += 3;
    while (count >= 8) {
      bytes.append(static_cast<char>(bits & 0xFF));
      bits >>= 8;
      count -= 8;
    }
  };
  put(kClear);
  for (int i = 0; i < pixels; ++i) {
    if (i > 0 && i % 2 == 0) put(kClear);
    put(colour);
  }
  put(kEnd);
  if (count > 0) bytes.append(static_cast<char>(bits & 0xFF));
  return bytes;
}

}  // namespace

QByteArray MakeGif(const QSize& screen, const std::vector<GifFrameSpec>& frames) {
  QByteArray out("GIF89a");
  Word(out, screen.width());
  Word(out, screen.height());
  out.append(static_cast<char>(0x81));  // global table of 4 colours
  out.append('\0');
  out.append('\0');
  for (const QColor& c : kGifColours) {
    out.append(static_cast<char>(c.red()));
    out.append(static_cast<char>(c.green()));
    out.append(static_cast<char>(c.blue()));
  }
  for (const GifFrameSpec& f : frames) {
    if (f.delay >= 0) {
      out.append("\x21\xF9\x04", 3);
      out.append(static_cast<char>(f.disposal << 2));
      Word(out, f.delay);
      out.append("\0\0", 2);
    }
    out.append('\x2C');
    Word(out, f.rect.x());
    Word(out, f.rect.y());
    Word(out, f.rect.width());
    Word(out, f.rect.height());
    out.append('\0');
    out.append('\x02');
    const QByteArray data = Lzw(f.rect.width() * f.rect.height(), f.colour);
    for (qsizetype i = 0; i < data.size(); i += 255) {
      const QByteArray part = data.mid(i, 255);
      out.append(static_cast<char>(part.size()));
      out.append(part);
    }
    out.append('\0');
  }
  out.append(';');
  return out;
}

}  // namespace zelvik::ui::test
