#pragma once

#include "shell/edition.h"

#include <QMainWindow>

namespace bw {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Edition edition, QWidget* parent = nullptr);
    ~TForm1() override;
    bool FormCreate();

private:
    Edition edition_;
};

} // namespace bw
