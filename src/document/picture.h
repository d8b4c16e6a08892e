#pragma once

#include <QByteArray>
#include <QImage>

namespace bw {

// A picture of the document. It remembers the PNG stream it was read from, so that
// saving an unchanged picture copies those bytes instead of encoding it again.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image) : image_(std::move(image)) {}
    Picture(QImage image, QByteArray sourcePng)
        : image_(std::move(image)), sourcePng_(std::move(sourcePng)) {}

    bool isNull() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Any change to the pixels goes through here and forgets the stored stream.
    void setImage(QImage image) {
        image_ = std::move(image);
        sourcePng_.clear();
    }
    QImage& mutableImage() {
        sourcePng_.clear();
        return image_;
    }
    void reset() {
        image_ = QImage();
        sourcePng_.clear();
    }

    // The PNG stream the picture was read from; empty when new or changed.
    const QByteArray& sourcePng() const { return sourcePng_; }

private:
    QImage image_;
    QByteArray sourcePng_;
};

} // namespace bw
