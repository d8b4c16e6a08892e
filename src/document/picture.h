#pragma once

#include "document/halving.h"

#include <QByteArray>
#include <QImage>

namespace bw {

// A picture of the document. It remembers the PNG stream it was read from, so that
// saving an unchanged picture copies those bytes instead of encoding it again. A large
// picture may also keep itself at half and quarter size, made while it was decoded, for
// drawing it small.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image) : image_(std::move(image)) {}
    Picture(QImage image, QByteArray sourcePng, Halvings halvings = {})
        : image_(std::move(image)), sourcePng_(std::move(sourcePng)),
          halvings_(std::move(halvings)) {}

    bool isNull() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Any change to the pixels goes through here and forgets the stored stream and the
    // halvings.
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
    // The picture at half and at quarter size; null unless they were made while reading and
    // the picture has not changed since.
    const Halvings& halvings() const { return halvings_; }

private:
    void forgetDerived() {
        sourcePng_.clear();
        halvings_ = {};
    }

    QImage image_;
    QByteArray sourcePng_;
    Halvings halvings_;
};

} // namespace bw
