#pragma once

#include <QByteArray>
#include <QImage>

namespace bw {

// A picture of the document. It remembers the PNG stream it was read from, so that
// saving an unchanged picture copies those bytes instead of encoding it again. A large
// picture may also keep itself at half size, made while it was decoded, for drawing it small.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image) : image_(std::move(image)) {}
    Picture(QImage image, QByteArray sourcePng, QImage half = {})
        : image_(std::move(image)), sourcePng_(std::move(sourcePng)), half_(std::move(half)) {}

    bool isNull() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Any change to the pixels goes through here and forgets the stored stream and the
    // half-size picture.
    void setImage(QImage image) {
        image_ = std::move(image);
        forgetDerived();
    }
    QImage& mutableImage() {
        forgetDerived();
        return image_;
    }
    void reset() {
        image_ = QImage();
        forgetDerived();
    }

    // The PNG stream the picture was read from; empty when new or changed.
    const QByteArray& sourcePng() const { return sourcePng_; }
    // The picture at half size (each pixel the mean of a 2 x 2 block); null unless it was
    // made while reading and the picture has not changed since.
    const QImage& half() const { return half_; }

private:
    void forgetDerived() {
        sourcePng_.clear();
        half_ = QImage();
    }

    QImage image_;
    QByteArray sourcePng_;
    QImage half_;
};

} // namespace bw
