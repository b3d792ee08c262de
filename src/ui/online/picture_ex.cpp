// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/picture_ex.h"

#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QtDebug>
#include <algorithm>
#include <string_view>

#include "gif/gif_decoder.h"
#include "gif/gif_walker.h"

namespace zelvik::ui {

namespace {

// The frame's own pixels, decoded by the core rather than by Qt's GIF plugin, whose loading
// alone was a tenth of the start-up's work before the first paint.
QImage FramePixels(const gif::GifFrame& frame) {
  const std::optional<gif::FrameImage> decoded = gif::DecodeFrame(frame.gif);
  if (!decoded) return {};
  QImage image(decoded->width, decoded->height, QImage::Format_ARGB32);
  for (int y = 0; y < decoded->height; ++y) {
    const std::uint32_t* row = decoded->pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(decoded->width);
    std::copy(row, row + decoded->width, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
  }
  return image;
}

}  // namespace

CPictureEx::CPictureEx(QWidget* parent) : QWidget(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &CPictureEx::NextFrame);
}

CPictureEx::~CPictureEx() { StopAnimation(); }

bool CPictureEx::LoadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    UnloadPicture();
    return false;
  }
  return LoadPicture(file.readAll());
}

bool CPictureEx::LoadPicture(const QByteArray& data) {
  UnloadPicture();
  const std::string_view bytes(data.constData(), static_cast<std::size_t>(data.size()));
  if (gif::HasGifSignature(bytes)) {
    if (!LoadGif(data)) return false;
  } else {
    still_ = QImage::fromData(data);
    if (still_.isNull()) return false;
    size_ = still_.size();
  }
  resize(size_);
  canvas_ = QImage(size_, QImage::Format_ARGB32_Premultiplied);
  background_ = palette().color(QPalette::Button);
  canvas_.fill(background_);
  loaded_ = true;
  return true;
}

bool CPictureEx::LoadGif(const QByteArray& data) {
  const std::optional<gif::GifFile> file =
      gif::WalkGif(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
  if (!file || file->frames.empty()) return false;
  for (const gif::GifFrame& f : file->frames) {
    const QImage decoded = FramePixels(f);
    const QRect rect(f.left, f.top, f.width, f.height);
    // Frames that cannot be decoded are left out.
    if (decoded.isNull() || rect.isEmpty()) continue;
    frames_.push_back(Frame{decoded, rect, f.delay, f.disposal});
  }
  if (frames_.empty()) return false;
  size_ = QSize(file->width, file->height);
  if (frames_.size() == 1) {
    still_ = QImage(size_, QImage::Format_ARGB32_Premultiplied);
    still_.fill(Qt::transparent);
    QPainter(&still_).drawImage(frames_[0].rect.topLeft(), frames_[0].image);
    frames_.clear();
  }
  return true;
}

void CPictureEx::SetBackgroundColor(const QColor& color) {
  if (!loaded_) return;
  background_ = color;
  canvas_.fill(background_);
  update();
}

bool CPictureEx::DrawPicture() {
  if (!loaded_) {
    qDebug("Call one of the CPictureEx::Load() member functions before calling Draw()");
    return false;
  }
  if (isAnimated()) {
    StopAnimation();
    current_ = 0;
    canvas_.fill(background_);
    ShowCurrentFrame();
    return true;
  }
  QPainter p(&canvas_);
  p.drawImage(QRect(QPoint(0, 0), size_), still_);
  update();
  return true;
}

void CPictureEx::ShowCurrentFrame() {
  const Frame& f = frames_[static_cast<std::size_t>(current_)];
  if (f.disposal == 3) saved_ = canvas_.copy(f.rect);
  {
    QPainter p(&canvas_);
    p.drawImage(f.rect.topLeft(), f.image);
  }
  update();
  timer_.start(gif::FrameDurationMs(f.delay));
  emit frameShown(current_);
}

void CPictureEx::NextFrame() {
  const Frame& f = frames_[static_cast<std::size_t>(current_)];
  if (f.disposal == 2) {
    QPainter p(&canvas_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(f.rect, background_);
  } else if (f.disposal == 3 && !saved_.isNull()) {
    QPainter p(&canvas_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(f.rect.topLeft(), saved_);
    saved_ = QImage();
  }
  if (++current_ >= frameCount()) {
    current_ = 0;
    canvas_.fill(background_);
  }
  ShowCurrentFrame();
}

void CPictureEx::StopAnimation() {
  timer_.stop();
  saved_ = QImage();
}

void CPictureEx::UnloadPicture() {
  StopAnimation();
  loaded_ = false;
  still_ = QImage();
  frames_.clear();
  current_ = 0;
  canvas_ = QImage();
  size_ = QSize();
  background_ = QColor(255, 255, 255);
  update();
}

void CPictureEx::paintEvent(QPaintEvent*) {
  if (canvas_.isNull()) return;
  QPainter p(this);
  if (paintRect_.width() > 0) {
    p.drawImage(QPoint(0, 0), canvas_, paintRect_);
  } else {
    p.drawImage(QPoint(0, 0), canvas_);
  }
}

}  // namespace zelvik::ui
