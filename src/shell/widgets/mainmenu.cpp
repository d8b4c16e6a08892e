#include "shell/widgets/mainmenu.h"

#include <QActionGroup>

namespace bw {

namespace {

QAction* Add(QMenu* menu, const QString& caption, const QString& shortcut = {},
             bool enabled = false) {
    QAction* a = menu->addAction(caption);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut));
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
    Oeffnen1 = Add(Datei, QStringLiteral("Ö&ffnen..."), QStringLiteral("Ctrl+O"), on);
    Dokumenteigenschaften1 =
        Add(Datei, QStringLiteral("Do&kumenteigenschaften..."), QStringLiteral("Alt+Return"));
    Dokumenteigenschaften1->setVisible(!autorEdition);
    Speichern1 = Add(Datei, QStringLiteral("&Speichern"), QStringLiteral("Ctrl+S"), on);
    SpeichernUnter1 =
        Add(Datei, QStringLiteral("Speichern &unter..."), QStringLiteral("Shift+Ctrl+S"), on);
    Datei->addSeparator();
    PerEMail1 = Add(Datei, QStringLiteral("Per E-&Mail versenden..."), QStringLiteral("Ctrl+M"));
    Datei->addSeparator();
    Drucken1 = Add(Datei, QStringLiteral("&Drucken..."), QStringLiteral("Ctrl+P"));
    Druckereinrichtung1 = Add(Datei, QStringLiteral("D&ruckereinrichtung..."));
    Exportieren1 = Add(Datei, QStringLiteral("&Exportieren..."), QStringLiteral("Ctrl+E"));
    InZwischenablage1 =
        Add(Datei, QStringLiteral("In &Zwischenablage kopieren"), QStringLiteral("Ctrl+Z"));
    Arbeitsblatt1 = Add(Datei, QStringLiteral("&Arbeitsblatt erstellen..."), QStringLiteral("F6"));
    Datei->addSeparator();
    Schliessen1 = Add(Datei, QStringLiteral("Sch&ließen"), QStringLiteral("Ctrl+F4"), on);
    Beenden1 = Add(Datei, QStringLiteral("&Beenden"), {}, on);

    Themenauswahl = bar->addMenu(QStringLiteral("&Themenauswahl"));
    Startseite1 = Add(Themenauswahl, QStringLiteral("&Startseite"), QStringLiteral("Alt+Home"));
    ZuvorDokument1 = Add(Themenauswahl, QStringLiteral("&Zuvor angzeigtes Dokument"),
                         QStringLiteral("Alt+Backspace"));
    Themenauswahl->addSeparator();
    VorherigesDokument1 = Add(Themenauswahl, QStringLiteral("&Vorheriges Dokument der Liste"),
                              QStringLiteral("PgUp"));
    NaechstesDokument1 = Add(Themenauswahl, QStringLiteral("&Nächstes Dokument der Liste"),
                             QStringLiteral("PgDown"));
    Themenauswahl->addSeparator();
    OrdnerNeuEinlesen1 = Add(Themenauswahl, QStringLiteral("&Aktuellen Ordner neu einlesen"),
                             QStringLiteral("Ctrl+F5"));
    OrdnerWaehlen1 =
        Add(Themenauswahl, QStringLiteral("&Ordner wählen..."), QStringLiteral("Ctrl+W"));
    TopicSeparator = Themenauswahl->addSeparator();

    Lernansicht = bar->addMenu(QStringLiteral("&Lernansicht"));
    Werkzeugleiste1 = Add(Lernansicht, QStringLiteral("Werkzeugleiste zu&klappen"),
                          QStringLiteral("Alt+W"), on);
    Ebenen = Lernansicht->addMenu(QStringLiteral("&Ebenen"));
    EbeneBasisbild1 = AddCheck(Ebenen, QStringLiteral("&Basisbild"), false);
    EbeneTexteBilder1 = AddCheck(Ebenen, QStringLiteral("&Texte und Bilder"), false);
    EbeneInfopunkte1 = AddCheck(Ebenen, QStringLiteral("Info&punkte"), false);
    for (QAction* a : {EbeneBasisbild1, EbeneTexteBilder1, EbeneInfopunkte1})
        a->setChecked(true);
    Darstellung = Lernansicht->addMenu(QStringLiteral("&Darstellung"));
    AlleAbdecken1 = Add(Darstellung, QStringLiteral("Alle Abfragefelder &abdecken"),
                        QStringLiteral("Ctrl+Down"));
    AlleAufdecken1 = Add(Darstellung, QStringLiteral("Alle Abfragefelder auf&decken"),
                         QStringLiteral("Ctrl+Up"));
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
    ZeichnungenEntfernen1 = Add(Lernansicht, QStringLiteral("Alle &Zeichnungen entfernen"),
                                QStringLiteral("Ctrl+Del"));
    AusschnittScrollen = Lernansicht->addMenu(QStringLiteral("&Ausschnitt scrollen"));
    AusschnittScrollen->menuAction()->setVisible(false);
    Werkzeug = Lernansicht->addMenu(QStringLiteral("&Werkzeug"));
    Werkzeug->menuAction()->setVisible(false);

    Uebung = bar->addMenu(QStringLiteral("&Übung"));
    IndividualUebung1 = Add(Uebung, QStringLiteral("Individual-&Übung"), QStringLiteral("F7"));
    Uebungseinstellungen1 =
        Add(Uebung, QStringLiteral("Übungs&einstellungen..."), QStringLiteral("Alt+F7"));
    BestenlisteIndividual1 = Add(Uebung, QStringLiteral("&Bestenliste Individual-Übung..."),
                                 QStringLiteral("Ctrl+F7"));
    ProtokollLetzteUebung1 = Add(Uebung, QStringLiteral("&Protokoll der letzten Übung..."));
    Uebung->addSeparator();
    NetzTeilnehmen1 =
        Add(Uebung, QStringLiteral("An Netzwerk-Übung &teilnehmen..."), QStringLiteral("F8"));
    BestenlisteNetz1 =
        Add(Uebung, QStringLiteral("Besten&liste Netzwerk-Übung..."), QStringLiteral("Ctrl+F8"));
    Uebung->addSeparator();
    UebungAbbrechen1 = Add(Uebung, QStringLiteral("Übung &abbrechen"));

    Lehrersteuerung = bar->addMenu(QStringLiteral("Lehrer&steuerung"));
    NetzInitiieren1 = Add(Lehrersteuerung, QStringLiteral("&Netzwerk-Übung initiieren..."),
                          QStringLiteral("F9"));
    NetzBeenden1 = Add(Lehrersteuerung, QStringLiteral("Netzwerk-Übung &beenden"));
    Kontrollanzeige1 =
        Add(Lehrersteuerung, QStringLiteral("&Kontrollanzeige..."), QStringLiteral("Alt+F9"));
    LehrerBestenliste1 = Add(Lehrersteuerung, QStringLiteral("&Bestenliste Netzwerk-Übung..."));

    Autorenfunktion = bar->addMenu(QStringLiteral("&Autorenfunktion"));
    NeuesDokument = Autorenfunktion->addMenu(QStringLiteral("&Neues Dokument anlegen"));
    NeuBildbeschriftung1 =
        Add(NeuesDokument, QStringLiteral("&Bildbeschriftung..."), QStringLiteral("Shift+Ctrl+B"));
    NeuLueckentext1 =
        Add(NeuesDokument, QStringLiteral("&Lückentext..."), QStringLiteral("Shift+Ctrl+L"));
    NeuEinzelfragen1 =
        Add(NeuesDokument, QStringLiteral("&Einzelfragen..."), QStringLiteral("Shift+Ctrl+E"));
    NeuMultipleChoice1 = Add(NeuesDokument, QStringLiteral("&Multiple-Choice-Fragen..."),
                             QStringLiteral("Shift+Ctrl+M"));
    Assistent1 =
        Add(Autorenfunktion, QStringLiteral("&Assistent einblenden"), QStringLiteral("Shift+Ctrl+A"));
    Autorenfunktion->addSeparator();
    DokumentBearbeiten1 =
        Add(Autorenfunktion, QStringLiteral("&Dokument bearbeiten..."), QStringLiteral("F2"));
    AutorDokumenteigenschaften1 = Add(Autorenfunktion, QStringLiteral("Dokument&eigenschaften..."),
                                      QStringLiteral("Alt+Return"));
    Seitenverhaeltnis1 =
        Add(Autorenfunktion, QStringLiteral("&Seitenverhältnis..."), QStringLiteral("Shift+Ctrl+T"));
    Basisbild = Autorenfunktion->addMenu(QStringLiteral("&Basisbild"));
    BasisbildAusDatei1 =
        Add(Basisbild, QStringLiteral("Einfügen aus &Datei..."), QStringLiteral("Shift+Ctrl+O"));
    BasisbildAusZwischenablage1 = Add(Basisbild, QStringLiteral("Einfügen aus &Zwischenablage"),
                                      QStringLiteral("Shift+Ctrl+V"));
    BasisbildKopieren1 = Add(Basisbild, QStringLiteral("&Kopieren in Zwischenablage"),
                             QStringLiteral("Shift+Ctrl+C"));
    BasisbildLoeschen1 =
        Add(Basisbild, QStringLiteral("&Löschen"), QStringLiteral("Shift+Ctrl+Del"));
    BasisbildGroesse1 = Add(Basisbild, QStringLiteral("&Größe und Ausrichtung..."),
                            QStringLiteral("Shift+Ctrl+G"));
    Bildbeschriftung =
        Autorenfunktion->addMenu(QStringLiteral("Bildbeschriftung: &Texte, Bilder, Infopunkte"));
    ObjekteBearbeiten1 =
        Add(Bildbeschriftung, QStringLiteral("&Bearbeiten..."), QStringLiteral("F3"));
    ObjekteTransformieren1 = Add(Bildbeschriftung, QStringLiteral("&Transformieren..."));
    ObjekteLoeschen1 = Add(Bildbeschriftung, QStringLiteral("Alle &löschen"));
    Autorenfunktion->addSeparator();
    Vorschaubilder1 = Add(Autorenfunktion, QStringLiteral("&Vorschaubilder generieren..."));
    EditorSchriftart1 = Add(Autorenfunktion, QStringLiteral("Edi&tor-Schriftart..."));
    Autorenfunktion->setEnabled(autorEdition);

    Anzeige = bar->addMenu(QStringLiteral("An&zeige"));
    Vollbild1 = Add(Anzeige, QStringLiteral("&Vollbild"), QStringLiteral("Ctrl+L"), on);
    Fenster1 = Add(Anzeige, QStringLiteral("&Fenster"), QStringLiteral("Ctrl+F"), on);
    Minimieren1 = Add(Anzeige, QStringLiteral("&Minimieren"), QStringLiteral("Ctrl+N"), on);

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
    TauschboerseOeffnen1 = Add(Tauschboerse, QStringLiteral("Internet-&Tauschbörse öffnen..."),
                               QStringLiteral("Ctrl+I"));
    Hochladen1 = Add(Tauschboerse, QStringLiteral("Aktuelles Dokument &hochladen..."),
                     QStringLiteral("Ctrl+H"));
    ZugangEinrichten1 = Add(Tauschboerse, QStringLiteral("&Zugang einrichten..."));

    Hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    Inhalt1 = Add(Hilfe, QStringLiteral("&Inhalt"), QStringLiteral("F1"));
    Website1 = Add(Hilfe, QStringLiteral("Brettwerk-&Website"));
    UpdateInformationen1 = Add(Hilfe, QStringLiteral("&Update-Informationen"));
    UpdatePruefen1 = AddCheck(Hilfe, QStringLiteral("Bei Programmstart auf Update prüfen"), false);
    UpdatePruefen1->setVisible(false);
    Hilfe->addSeparator();
    Info1 = Add(Hilfe, QStringLiteral("Inf&o..."), {}, on);
}

} // namespace bw
