#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <vector>

namespace bw::samples {

// A place on the island map, in fractions of the picture.
struct Place {
    QString name;
    QPointF at;
};

// The fictional island of the labelling sample, drawn from scratch.
QImage IslandMap(int width, int height);
std::vector<Place> IslandPlaces();

// Small pictures for the picture cards.
QImage LighthousePicture();
QImage SailingShipPicture();

} // namespace bw::samples
