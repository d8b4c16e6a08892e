#pragma once

#include "shell/widgets/titlelabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace bw {

// The side toolbar with its groups. Buttons without a working command stay disabled.
struct LernInfoPanel {
    QWidget* LernInfoPan = nullptr;
    QToolButton* ZeigerBtn = nullptr;
    QToolButton* HandBtn = nullptr;
    QToolButton* BeschrEditBtn = nullptr; // the object editor (authoring edition)
    QToolButton* ZoomPan0 = nullptr;
    QToolButton* ZoomPan2 = nullptr;
    QToolButton* ZoomPan4 = nullptr;
    QToolButton* NummerModeFragez = nullptr;
    QToolButton* NummerModeSort = nullptr;
    QToolButton* NummerModeZufall = nullptr;
    QToolButton* AlleAbdeckenBtn = nullptr;
    QToolButton* AlleAufdeckenBtn = nullptr;
    QWidget* EbenenPan = nullptr;
    QCheckBox* Ebene0Check = nullptr;
    QCheckBox* Ebene1Check = nullptr;
    QCheckBox* Ebene2Check = nullptr;
    QToolButton* StiftBtn = nullptr;
    QToolButton* RadierBtn = nullptr;
    QToolButton* MarkEntfBtn = nullptr;
    QToolButton* SymbolBtn = nullptr;
    QToolButton* TexteingabeBtn = nullptr;
    QToolButton* BildOeffnenBtn = nullptr;
    QToolButton* AbdeckerBtn = nullptr;
    QToolButton* StrichdickeBtn = nullptr;
    QToolButton* FarbeBtn = nullptr;
    QToolButton* RueckgaengigBtn = nullptr;
    QToolButton* BlattBtn = nullptr;
    QToolButton* BlattVerlassenPan = nullptr;
    QToolButton* ZuChronikBtn = nullptr;
    QToolButton* VonChronikBtn = nullptr;
    QToolButton* TastaturBtn = nullptr;
    QToolButton* DruckBtn = nullptr;
    QToolButton* ExportBtn = nullptr;
    QToolButton* ClipbordBtn = nullptr;
    QToolButton* ABBtn = nullptr;
    QToolButton* EMailBtn = nullptr;
    QToolButton* Verknuepfungsfeld1 = nullptr;
    QToolButton* Verknuepfungsfeld2 = nullptr;
    QToolButton* Verknuepfungsfeld3 = nullptr;

    void Build(QWidget* parent);
    // The designed width, or more where the desktop's fonts need it to show every caption.
    void FitWidthToCaptions();
};

// The top bar: mode buttons, the document title with previous/next, the logo and status.
struct InfoPanel {
    QWidget* InfoPan = nullptr;
    QToolButton* LernKartBtn = nullptr;
    QToolButton* UebungenBtn = nullptr;
    QToolButton* NetzUebTeilnehmenBtn = nullptr;
    QWidget* TitelPan = nullptr;
    TitleLabel* DokTitelLab = nullptr;
    QToolButton* PrevDokPan = nullptr;
    QToolButton* HoverPanel1 = nullptr;
    QLabel* LogoImg = nullptr;
    QWidget* UebStatusPan = nullptr;

    void Build(QWidget* parent);
};

constexpr int kToolbarWidth = 118;

} // namespace bw
