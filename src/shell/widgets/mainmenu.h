#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace bw {

// The main menu of both editions. Entries whose command is not offered exist with their
// captions and shortcuts but stay disabled.
struct MainMenu {
    QMenu* Datei = nullptr;
    QAction* Oeffnen1 = nullptr;
    QAction* Dokumenteigenschaften1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* SpeichernUnter1 = nullptr;
    QAction* PerEMail1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Druckereinrichtung1 = nullptr;
    QAction* Exportieren1 = nullptr;
    QAction* InZwischenablage1 = nullptr;
    QAction* Arbeitsblatt1 = nullptr;
    QAction* Schliessen1 = nullptr;
    QAction* Beenden1 = nullptr;

    QMenu* Themenauswahl = nullptr;
    QAction* Startseite1 = nullptr;
    QAction* ZuvorDokument1 = nullptr;
    QAction* VorherigesDokument1 = nullptr;
    QAction* NaechstesDokument1 = nullptr;
    QAction* OrdnerNeuEinlesen1 = nullptr;
    QAction* OrdnerWaehlen1 = nullptr;
    QAction* TopicSeparator = nullptr; // topic entries follow it

    QMenu* Lernansicht = nullptr;
    QAction* Werkzeugleiste1 = nullptr;
    QMenu* Ebenen = nullptr;
    QAction* EbeneBasisbild1 = nullptr;
    QAction* EbeneTexteBilder1 = nullptr;
    QAction* EbeneInfopunkte1 = nullptr;
    QMenu* Darstellung = nullptr;
    QAction* AlleAbdecken1 = nullptr;
    QAction* AlleAufdecken1 = nullptr;
    QAction* AbdeckblattEin1 = nullptr;
    QAction* AbdeckblattAus1 = nullptr;
    QMenu* Nummerierung = nullptr;
    QAction* NummerGeordnet1 = nullptr;
    QAction* NummerZufall1 = nullptr;
    QAction* NummerFragez1 = nullptr;
    QMenu* Zoomstufe = nullptr;
    QAction* Zoom100 = nullptr;
    QAction* Zoom150 = nullptr;
    QAction* Zoom200 = nullptr;
    QAction* ZeichnungenEntfernen1 = nullptr;
    QMenu* AusschnittScrollen = nullptr;
    QMenu* Werkzeug = nullptr;

    QMenu* Uebung = nullptr;
    QAction* IndividualUebung1 = nullptr;
    QAction* Uebungseinstellungen1 = nullptr;
    QAction* BestenlisteIndividual1 = nullptr;
    QAction* ProtokollLetzteUebung1 = nullptr;
    QAction* NetzTeilnehmen1 = nullptr;
    QAction* BestenlisteNetz1 = nullptr;
    QAction* UebungAbbrechen1 = nullptr;

    QMenu* Lehrersteuerung = nullptr;
    QAction* NetzInitiieren1 = nullptr;
    QAction* NetzBeenden1 = nullptr;
    QAction* Kontrollanzeige1 = nullptr;
    QAction* LehrerBestenliste1 = nullptr;

    QMenu* Autorenfunktion = nullptr;
    QMenu* NeuesDokument = nullptr;
    QAction* NeuBildbeschriftung1 = nullptr;
    QAction* NeuLueckentext1 = nullptr;
    QAction* NeuEinzelfragen1 = nullptr;
    QAction* NeuMultipleChoice1 = nullptr;
    QAction* Assistent1 = nullptr;
    QAction* DokumentBearbeiten1 = nullptr;
    QAction* AutorDokumenteigenschaften1 = nullptr;
    QAction* Seitenverhaeltnis1 = nullptr;
    QMenu* Basisbild = nullptr;
    QAction* BasisbildAusDatei1 = nullptr;
    QAction* BasisbildAusZwischenablage1 = nullptr;
    QAction* BasisbildKopieren1 = nullptr;
    QAction* BasisbildLoeschen1 = nullptr;
    QAction* BasisbildGroesse1 = nullptr;
    QMenu* Bildbeschriftung = nullptr;
    QAction* ObjekteBearbeiten1 = nullptr;
    QAction* ObjekteTransformieren1 = nullptr;
    QAction* ObjekteLoeschen1 = nullptr;
    QAction* Vorschaubilder1 = nullptr;
    QAction* EditorSchriftart1 = nullptr;

    QMenu* Anzeige = nullptr;
    QAction* Vollbild1 = nullptr;
    QAction* Fenster1 = nullptr;
    QAction* Minimieren1 = nullptr;

    QMenu* Optionen = nullptr;
    QAction* Tonausgabe1 = nullptr;
    QAction* Namenseingabe1 = nullptr;
    QAction* Statusinformation1 = nullptr;
    QAction* ProtokolleSpeichern1 = nullptr;
    QAction* BestenlisteEintragen1 = nullptr;
    QAction* NetzKommunikation1 = nullptr;
    QAction* Notenskala1 = nullptr;
    QAction* Dateiordner1 = nullptr;
    QAction* Verknuepfungsfelder1 = nullptr;

    QMenu* Tauschboerse = nullptr;
    QAction* TauschboerseOeffnen1 = nullptr;
    QAction* Hochladen1 = nullptr;
    QAction* ZugangEinrichten1 = nullptr;

    QMenu* Hilfe = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* Website1 = nullptr;
    QAction* UpdateInformationen1 = nullptr;
    QAction* UpdatePruefen1 = nullptr;
    QAction* Info1 = nullptr;

    void Build(QMenuBar* bar, bool autorEdition);
};

} // namespace bw
