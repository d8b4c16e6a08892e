#include "shell/widgets/mainmenu.h"

#include <QActionGroup>

namespace bw {

namespace {

// Shortcuts are given as keys: parsing their text costs more than building the whole menu.
QAction* Add(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {},
             bool enabled = false) {
    QAction* a = menu->addAction(caption);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    a->setEnabled(enabled);
    return a;
}

QAction* AddCheck(QMenu* menu, const QString& caption, bool enabled = true) {
    QAction* a = Add(menu, caption, {}, enabled);
    a->setCheckable(true);
    return a;
}

} // namespace

void MainMenu::Build(QMenuBar* bar, bool autorEdition) {
    constexpr bool on = true;

    Datei = bar->addMenu(QStringLiteral("&Datei"));
    Oeffnen1 = Add(Datei, QStringLiteral("Ö&ffnen..."), Qt::CTRL | Qt::Key_O, on);
    Dokumenteigenschaften1 =
        Add(Datei, QStringLiteral("Do&kumenteigenschaften..."), Qt::ALT | Qt::Key_Return);
    Dokumenteigenschaften1->setVisible(!autorEdition);
    Speichern1 = Add(Datei, QStringLiteral("&Speichern"), Qt::CTRL | Qt::Key_S, on);
    SpeichernUnter1 =
        Add(Datei, QStringLiteral("Speichern &unter..."), Qt::SHIFT | Qt::CTRL | Qt::Key_S, on);
    Datei->addSeparator();
    PerEMail1 = Add(Datei, QStringLiteral("Per E-&Mail versenden..."), Qt::CTRL | Qt::Key_M);
    Datei->addSeparator();
    Drucken1 = Add(Datei, QStringLiteral("&Drucken..."), Qt::CTRL | Qt::Key_P);
    Druckereinrichtung1 = Add(Datei, QStringLiteral("D&ruckereinrichtung..."));
    Exportieren1 = Add(Datei, QStringLiteral("&Exportieren..."), Qt::CTRL | Qt::Key_E);
    InZwischenablage1 =
        Add(Datei, QStringLiteral("In &Zwischenablage kopieren"), Qt::CTRL | Qt::Key_Z);
    Arbeitsblatt1 = Add(Datei, QStringLiteral("&Arbeitsblatt erstellen..."), Qt::Key_F6);
    Datei->addSeparator();
    Schliessen1 = Add(Datei, QStringLiteral("Sch&ließen"), Qt::CTRL | Qt::Key_F4, on);
    Beenden1 = Add(Datei, QStringLiteral("&Beenden"), {}, on);

    Themenauswahl = bar->addMenu(QStringLiteral("&Themenauswahl"));
    Startseite1 = Add(Themenauswahl, QStringLiteral("&Startseite"), Qt::ALT | Qt::Key_Home);
    ZuvorDokument1 = Add(Themenauswahl, QStringLiteral("&Zuvor angzeigtes Dokument"),
                         Qt::ALT | Qt::Key_Backspace);
    Themenauswahl->addSeparator();
    VorherigesDokument1 =
        Add(Themenauswahl, QStringLiteral("&Vorheriges Dokument der Liste"), Qt::Key_PageUp);
    NaechstesDokument1 =
        Add(Themenauswahl, QStringLiteral("&Nächstes Dokument der Liste"), Qt::Key_PageDown);
    Themenauswahl->addSeparator();
    OrdnerNeuEinlesen1 =
        Add(Themenauswahl, QStringLiteral("&Aktuellen Ordner neu einlesen"), Qt::CTRL | Qt::Key_F5);
    OrdnerWaehlen1 = Add(Themenauswahl, QStringLiteral("&Ordner wählen..."), Qt::CTRL | Qt::Key_W);
    TopicSeparator = Themenauswahl->addSeparator();

    Lernansicht = bar->addMenu(QStringLiteral("&Lernansicht"));
    Werkzeugleiste1 =
        Add(Lernansicht, QStringLiteral("Werkzeugleiste zu&klappen"), Qt::ALT | Qt::Key_W, on);
    Ebenen = Lernansicht->addMenu(QStringLiteral("&Ebenen"));
    EbeneBasisbild1 = AddCheck(Ebenen, QStringLiteral("&Basisbild"), false);
    EbeneTexteBilder1 = AddCheck(Ebenen, QStringLiteral("&Texte und Bilder"), false);
    EbeneInfopunkte1 = AddCheck(Ebenen, QStringLiteral("Info&punkte"), false);
    for (QAction* a : {EbeneBasisbild1, EbeneTexteBilder1, EbeneInfopunkte1})
        a->setChecked(true);
    Darstellung = Lernansicht->addMenu(QStringLiteral("&Darstellung"));
    AlleAbdecken1 =
        Add(Darstellung, QStringLiteral("Alle Abfragefelder &abdecken"), Qt::CTRL | Qt::Key_Down);
    AlleAufdecken1 =
        Add(Darstellung, QStringLiteral("Alle Abfragefelder auf&decken"), Qt::CTRL | Qt::Key_Up);
    AbdeckblattEin1 = Add(Darstellung, QStringLiteral("Abdeckblatt &einblenden"));
    AbdeckblattAus1 = Add(Darstellung, QStringLiteral("Abdeckblatt aus&blenden"));
    Nummerierung = Lernansicht->addMenu(QStringLiteral("&Nummerierung Abfragefelder"));
    auto* numGroup = new QActionGroup(Nummerierung);
    NummerGeordnet1 = AddCheck(Nummerierung, QStringLiteral("&Geordnet"), false);
    NummerZufall1 = AddCheck(Nummerierung, QStringLiteral("&Zufällig"), false);
    NummerFragez1 = AddCheck(Nummerierung, QStringLiteral("&Fragezeichen"), false);
    for (QAction* a : {NummerGeordnet1, NummerZufall1, NummerFragez1})
        numGroup->addAction(a);
    NummerGeordnet1->setChecked(true);
    Zoomstufe = Lernansicht->addMenu(QStringLiteral("&Zoomstufe"));
    auto* zoomGroup = new QActionGroup(Zoomstufe);
    Zoom100 = AddCheck(Zoomstufe, QStringLiteral("&100 %"), false);
    Zoom150 = AddCheck(Zoomstufe, QStringLiteral("1&50 %"), false);
    Zoom200 = AddCheck(Zoomstufe, QStringLiteral("&200 % "), false);
    for (QAction* a : {Zoom100, Zoom150, Zoom200})
        zoomGroup->addAction(a);
    Zoom100->setChecked(true);
    Lernansicht->addSeparator();
    ZeichnungenEntfernen1 =
        Add(Lernansicht, QStringLiteral("Alle &Zeichnungen entfernen"), Qt::CTRL | Qt::Key_Delete);
    AusschnittScrollen = Lernansicht->addMenu(QStringLiteral("&Ausschnitt scrollen"));
    AusschnittScrollen->menuAction()->setVisible(false);
    Werkzeug = Lernansicht->addMenu(QStringLiteral("&Werkzeug"));
    Werkzeug->menuAction()->setVisible(false);

    Uebung = bar->addMenu(QStringLiteral("&Übung"));
    IndividualUebung1 = Add(Uebung, QStringLiteral("Individual-&Übung"), Qt::Key_F7);
    Uebungseinstellungen1 =
        Add(Uebung, QStringLiteral("Übungs&einstellungen..."), Qt::ALT | Qt::Key_F7);
    BestenlisteIndividual1 =
        Add(Uebung, QStringLiteral("&Bestenliste Individual-Übung..."), Qt::CTRL | Qt::Key_F7);
    ProtokollLetzteUebung1 = Add(Uebung, QStringLiteral("&Protokoll der letzten Übung..."));
    Uebung->addSeparator();
    NetzTeilnehmen1 = Add(Uebung, QStringLiteral("An Netzwerk-Übung &teilnehmen..."), Qt::Key_F8);
    BestenlisteNetz1 =
        Add(Uebung, QStringLiteral("Besten&liste Netzwerk-Übung..."), Qt::CTRL | Qt::Key_F8);
    Uebung->addSeparator();
    UebungAbbrechen1 = Add(Uebung, QStringLiteral("Übung &abbrechen"));

    Lehrersteuerung = bar->addMenu(QStringLiteral("Lehrer&steuerung"));
    NetzInitiieren1 =
        Add(Lehrersteuerung, QStringLiteral("&Netzwerk-Übung initiieren..."), Qt::Key_F9);
    NetzBeenden1 = Add(Lehrersteuerung, QStringLiteral("Netzwerk-Übung &beenden"));
    Kontrollanzeige1 =
        Add(Lehrersteuerung, QStringLiteral("&Kontrollanzeige..."), Qt::ALT | Qt::Key_F9);
    LehrerBestenliste1 = Add(Lehrersteuerung, QStringLiteral("&Bestenliste Netzwerk-Übung..."));

    Autorenfunktion = bar->addMenu(QStringLiteral("&Autorenfunktion"));
    NeuesDokument = Autorenfunktion->addMenu(QStringLiteral("&Neues Dokument anlegen"));
    NeuBildbeschriftung1 = Add(NeuesDokument, QStringLiteral("&Bildbeschriftung..."),
                               Qt::SHIFT | Qt::CTRL | Qt::Key_B);
    NeuLueckentext1 =
        Add(NeuesDokument, QStringLiteral("&Lückentext..."), Qt::SHIFT | Qt::CTRL | Qt::Key_L);
    NeuEinzelfragen1 =
        Add(NeuesDokument, QStringLiteral("&Einzelfragen..."), Qt::SHIFT | Qt::CTRL | Qt::Key_E);
    NeuMultipleChoice1 = Add(NeuesDokument, QStringLiteral("&Multiple-Choice-Fragen..."),
                             Qt::SHIFT | Qt::CTRL | Qt::Key_M);
    Assistent1 = Add(Autorenfunktion, QStringLiteral("&Assistent einblenden"),
                     Qt::SHIFT | Qt::CTRL | Qt::Key_A);
    Autorenfunktion->addSeparator();
    DokumentBearbeiten1 =
        Add(Autorenfunktion, QStringLiteral("&Dokument bearbeiten..."), Qt::Key_F2);
    AutorDokumenteigenschaften1 =
        Add(Autorenfunktion, QStringLiteral("Dokument&eigenschaften..."), Qt::ALT | Qt::Key_Return);
    Seitenverhaeltnis1 = Add(Autorenfunktion, QStringLiteral("&Seitenverhältnis..."),
                             Qt::SHIFT | Qt::CTRL | Qt::Key_T);
    Basisbild = Autorenfunktion->addMenu(QStringLiteral("&Basisbild"));
    BasisbildAusDatei1 =
        Add(Basisbild, QStringLiteral("Einfügen aus &Datei..."), Qt::SHIFT | Qt::CTRL | Qt::Key_O);
    BasisbildAusZwischenablage1 = Add(Basisbild, QStringLiteral("Einfügen aus &Zwischenablage"),
                                      Qt::SHIFT | Qt::CTRL | Qt::Key_V);
    BasisbildKopieren1 = Add(Basisbild, QStringLiteral("&Kopieren in Zwischenablage"),
                             Qt::SHIFT | Qt::CTRL | Qt::Key_C);
    BasisbildLoeschen1 =
        Add(Basisbild, QStringLiteral("&Löschen"), Qt::SHIFT | Qt::CTRL | Qt::Key_Delete);
    BasisbildGroesse1 = Add(Basisbild, QStringLiteral("&Größe und Ausrichtung..."),
                            Qt::SHIFT | Qt::CTRL | Qt::Key_G);
    Bildbeschriftung =
        Autorenfunktion->addMenu(QStringLiteral("Bildbeschriftung: &Texte, Bilder, Infopunkte"));
    ObjekteBearbeiten1 = Add(Bildbeschriftung, QStringLiteral("&Bearbeiten..."), Qt::Key_F3);
    ObjekteTransformieren1 = Add(Bildbeschriftung, QStringLiteral("&Transformieren..."));
    ObjekteLoeschen1 = Add(Bildbeschriftung, QStringLiteral("Alle &löschen"));
    Autorenfunktion->addSeparator();
    Vorschaubilder1 = Add(Autorenfunktion, QStringLiteral("&Vorschaubilder generieren..."));
    EditorSchriftart1 = Add(Autorenfunktion, QStringLiteral("Edi&tor-Schriftart..."));
    Autorenfunktion->setEnabled(autorEdition);

    Anzeige = bar->addMenu(QStringLiteral("An&zeige"));
    Vollbild1 = Add(Anzeige, QStringLiteral("&Vollbild"), Qt::CTRL | Qt::Key_L, on);
    Fenster1 = Add(Anzeige, QStringLiteral("&Fenster"), Qt::CTRL | Qt::Key_F, on);
    Minimieren1 = Add(Anzeige, QStringLiteral("&Minimieren"), Qt::CTRL | Qt::Key_N, on);

    Optionen = bar->addMenu(QStringLiteral("&Optionen"));
    Tonausgabe1 = AddCheck(Optionen, QStringLiteral("&Tonausgabe"));
    Namenseingabe1 = AddCheck(Optionen, QStringLiteral("&Namenseingabe bei Übungen"));
    Statusinformation1 =
        AddCheck(Optionen, QStringLiteral("&Statusinformation bei Übungen anzeigen"));
    ProtokolleSpeichern1 =
        AddCheck(Optionen, QStringLiteral("Übungs&protokolle automatisch speichern"));
    BestenlisteEintragen1 = AddCheck(
        Optionen,
        QStringLiteral("&Ergebnisse Individual-Übung automatisch in Bestenliste eintragen"));
    Optionen->addSeparator();
    NetzKommunikation1 = Add(Optionen, QStringLiteral("Netzwerk-&Kommunikation..."));
    Notenskala1 = Add(Optionen, QStringLiteral("Notens&kala..."));
    Dateiordner1 = Add(Optionen, QStringLiteral("&Dateiordner..."));
    Verknuepfungsfelder1 = Add(Optionen, QStringLiteral("&Verknüpfungsfelder..."));

    Tauschboerse = bar->addMenu(QStringLiteral("Tausch&börse"));
    TauschboerseOeffnen1 =
        Add(Tauschboerse, QStringLiteral("Internet-&Tauschbörse öffnen..."), Qt::CTRL | Qt::Key_I);
    Hochladen1 =
        Add(Tauschboerse, QStringLiteral("Aktuelles Dokument &hochladen..."), Qt::CTRL | Qt::Key_H);
    ZugangEinrichten1 = Add(Tauschboerse, QStringLiteral("&Zugang einrichten..."));

    Hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    Inhalt1 = Add(Hilfe, QStringLiteral("&Inhalt"), Qt::Key_F1);
    Website1 = Add(Hilfe, QStringLiteral("Brettwerk-&Website"));
    UpdateInformationen1 = Add(Hilfe, QStringLiteral("&Update-Informationen"));
    UpdatePruefen1 = AddCheck(Hilfe, QStringLiteral("Bei Programmstart auf Update prüfen"), false);
    UpdatePruefen1->setVisible(false);
    Hilfe->addSeparator();
    Info1 = Add(Hilfe, QStringLiteral("Inf&o..."), {}, on);
}

} // namespace bw
