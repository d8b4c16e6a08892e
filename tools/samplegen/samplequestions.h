#pragma once

#include "document/document.h"

namespace bw::samples {

// The question documents of the samples: single questions about the island and multiple
// choice with text answers, picture answers and a question picture.
Document IslandQuestionsDocument();
Document IslandChoiceDocument();

} // namespace bw::samples
