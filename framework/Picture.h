#pragma once

#include "Types.h"

#include <QPixmap>

#include <memory>
#include <string_view>

// A picture, as the framework shows it on a control.
class Picture {
  public:
    explicit Picture(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}

    Int64 Width() const { return pixmap_.width(); }
    Int64 Height() const { return pixmap_.height(); }
    const QPixmap& Pixmap() const { return pixmap_; }

    // Reads fileName from the application's resources on every call; nullptr when the file is
    // missing or does not decode.
    static std::shared_ptr<Picture> OpenFromApp(std::string_view fileName);
    // How many times OpenFromApp found and read a file, so callers can prove they read once.
    static int LoadCount();

  private:
    QPixmap pixmap_;
};
