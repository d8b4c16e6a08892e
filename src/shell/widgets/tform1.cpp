#include "shell/widgets/tform1.h"

namespace bw {

TForm1::TForm1(Edition edition, QWidget* parent) : QMainWindow(parent), edition_(edition) {}
TForm1::~TForm1() = default;
bool TForm1::FormCreate() {
    setWindowTitle(ApplicationTitle(edition_));
    return true;
}

} // namespace bw
