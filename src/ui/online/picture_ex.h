// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace zelvik::ui {

// A picture control: still pictures (PNG, JPEG, BMP, a GIF of one frame) and animated GIFs,
// whose frames it cuts out with the core's block walker, decodes with Qt's image reader and
// plays on the interface thread, endlessly, whatever loop count the file names.
class CPictureEx : public QWidget {
  Q_OBJECT

 public:
  explicit CPictureEx(QWidget* parent);
  ~CPictureEx() override;

  // A file or a Qt resource (":/ad/ad.gif"), or the bytes themselves. Unloads first; on
  // failure the control stays empty and false is returned. Resizes the control to the
  // picture without moving it.
  bool LoadPicture(const QString& path);
  bool LoadPicture(const QByteArray& data);
  // Fills the whole canvas with the colour (only once a picture is loaded).
  void SetBackgroundColor(const QColor& color);
  // Shows a still picture, or starts the animation from the first frame.
  bool DrawPicture();
  void StopAnimation();
  void UnloadPicture();
  // Shows only this part of the canvas at the control's top-left; empty: the whole canvas.
  void SetPaintRect(const QRect& rect) { paintRect_ = rect; }

  bool isLoaded() const { return loaded_; }
  bool isAnimated() const { return frames_.size() > 1; }
  bool isAnimating() const { return timer_.isActive(); }
  int frameCount() const { return static_cast<int>(frames_.size()); }
  int currentFrame() const { return current_; }
  // How long the frame on screen stays, in ms.
  int currentDurationMs() const { return timer_.interval(); }
  QSize pictureSize() const { return size_; }
  QColor backgroundColor() const { return background_; }
  const QImage& canvas() const { return canvas_; }

 signals:
  // A frame was drawn into the canvas (index into the frames, from 0).
  void frameShown(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Frame {
    QImage image;
    QRect rect;
    int delay = -1;
    int disposal = 0;
  };

  bool LoadGif(const QByteArray& data);
  void ShowCurrentFrame();
  void NextFrame();

  bool loaded_ = false;
  QSize size_;
  QColor background_{255, 255, 255};
  QImage still_;
  std::vector<Frame> frames_;
  int current_ = 0;
  QImage canvas_;
  QImage saved_;  // the area under a frame with disposal 3
  QRect paintRect_;
  QTimer timer_;
};

}  // namespace zelvik::ui
