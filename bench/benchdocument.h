#pragma once

#include "document/document.h"

#include <QImage>

namespace bw::bench {

// The benchmarks' base picture, 4000 x 3000: gradients with structure and diagonal lines, no
// flat colour, like a map. seed shifts the gradients, for a picture that differs.
QImage MapPicture(int seed = 0);

// The benchmarks' labelling document: that picture with the white margins documents made in
// the editor have, and 300 objects (query and fixed labels, info points) placed at random
// with a fixed seed.
Document MapDocument();

} // namespace bw::bench
