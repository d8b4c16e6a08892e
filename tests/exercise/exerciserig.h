#pragma once

#include "exercise/exercisedriver.h"
#include "support/scriptedprompter.h"
#include "view/learnview.h"

#include <QImage>
#include <memory>

namespace bw::test {

// A document with an exercise on it, a hand-driven clock and a seeded random source.
struct ExerciseRig {
    Document doc;
    std::unique_ptr<LearnView> view;
    ManualClock clock;
    QtRandomSource random{7};
    std::unique_ptr<HeadlessExerciseHost> host;
    std::unique_ptr<Exercise> ex;
    std::unique_ptr<ExerciseDriver> driver;

    explicit ExerciseRig(int dokTyp = 0) {
        QImage base(800, 600, QImage::Format_RGB32);
        base.fill(Qt::white);
        doc.BaseImage = Picture(base);
        doc.CurrentHeader.DokTyp = dokTyp;
        view = std::make_unique<LearnView>(doc);
        host = std::make_unique<HeadlessExerciseHost>(clock);
        ex = std::make_unique<Exercise>(doc, *view, clock, random, *host);
        ex->SetPanelSize(QSize(900, 600));
        // Predictable order: cards alphabetical, positions from top to bottom.
        ex->options.Zuordnungstexte = 0;
        ex->options.Zuordnungsziele = 0;
        driver = std::make_unique<ExerciseDriver>(*ex, clock);
    }

    int Add(int typ, const QString& cap, double kx, double ky) {
        ObjDataTyp o;
        o.Typ = typ;
        o.Cap = cap;
        o.Kx = o.Sx = kx;
        o.Ky = o.Sy = ky;
        o.KAusr = o.KAusrAkt = 1;
        o.Abgedeckt = -1;
        if (typ == TypAbfrageBild) {
            QImage pic(40, 20, QImage::Format_RGB32);
            pic.fill(Qt::red);
            o.Bild = Picture(pic);
        }
        doc.CurrentObjects.push_back(o);
        return doc.ObjectCount() - 1;
    }

    bool Start(int repeat = 0, int role = 0) {
        view->SetViewSize(700, 600);
        view->DocumentLoaded();
        return ex->StartExercise(false, repeat, role);
    }

    // Moves; fails the test on a malformed line.
    ExerciseDriver::Result Move(const QString& line) {
        QString message;
        return driver->Apply(line, message);
    }

    int VisibleCardObject() const {
        for (const ExerciseCard& c : ex->cards)
            if (c.shown()) return c.object;
        return -1;
    }
    int State(int i) const { return doc.CurrentObjects[i].Abgedeckt; }
    QStringList Log() const {
        QStringList lines = ex->ueb.LogText.split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
};

} // namespace bw::test
