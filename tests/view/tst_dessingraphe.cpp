#include "TestRegistry.h"

#include "view/DessinGraphe.h"

#include <QtTest>

using namespace vedo;

namespace {

const CouleursCourbes couleurs = {QColor(0, 0, 255), QColor(255, 0, 255), QColor(255, 128, 0),
                                  QColor(0, 192, 0)};

// Pen of species `code % 10`; from 10 on, the same species in red (its colour changed).
QPen plume(int code) {
    return QPen(code >= 10 ? QColor(Qt::red) : couleurs[code % 10], 1, Qt::SolidLine, Qt::RoundCap);
}

} // namespace

class TestDessinGraphe : public QObject {
    Q_OBJECT
private slots:
    void curvesBecomeOneTraceEach_data() {
        QTest::addColumn<QList<QLine>>("mouvements");
        QTest::addColumn<QList<int>>("especes");
        QTest::addColumn<QList<QPolygon>>("traces");
        QTest::newRow("straight on: only the ends stay")
            << QList<QLine>{{50, 10, 51, 10}, {51, 10, 52, 10}, {52, 10, 55, 10}} << QList<int>{0, 0, 0}
            << QList<QPolygon>{QPolygon{{50, 10}, {55, 10}}};
        QTest::newRow("a turn keeps its corner")
            << QList<QLine>{{50, 10, 51, 10}, {51, 10, 52, 11}, {52, 11, 53, 12}} << QList<int>{0, 0, 0}
            << QList<QPolygon>{QPolygon{{50, 10}, {51, 10}, {53, 12}}};
        QTest::newRow("going back over the line adds nothing")
            << QList<QLine>{{50, 10, 52, 10}, {52, 10, 51, 10}} << QList<int>{0, 0}
            << QList<QPolygon>{QPolygon{{50, 10}, {52, 10}}};
        QTest::newRow("going back, then away, keeps the turning point")
            << QList<QLine>{{50, 10, 52, 10}, {52, 10, 51, 10}, {51, 10, 51, 12}} << QList<int>{0, 0, 0}
            << QList<QPolygon>{QPolygon{{50, 10}, {52, 10}, {51, 10}, {51, 12}}};
        QTest::newRow("hesitating between two pixels draws one segment")
            << QList<QLine>{{50, 10, 51, 10},
                            {51, 10, 51, 11},
                            {51, 11, 51, 10},
                            {51, 10, 51, 11},
                            {51, 11, 52, 11}}
            << QList<int>{0, 0, 0, 0, 0} << QList<QPolygon>{QPolygon{{50, 10}, {51, 10}, {51, 11}, {52, 11}}};
        QTest::newRow("species drawn in turns keep a trace each")
            << QList<QLine>{{50, 10, 51, 11}, {50, 210, 51, 209}, {51, 11, 52, 13}} << QList<int>{0, 3, 0}
            << QList<QPolygon>{QPolygon{{50, 10}, {51, 11}, {52, 13}}, QPolygon{{50, 210}, {51, 209}}};
        QTest::newRow("a curve starting elsewhere is another trace")
            << QList<QLine>{{50, 10, 350, 20}, {50, 10, 350, 30}} << QList<int>{0, 0}
            << QList<QPolygon>{QPolygon{{50, 10}, {350, 20}}, QPolygon{{50, 10}, {350, 30}}};
        QTest::newRow("a colour changed during the run starts another trace")
            << QList<QLine>{{50, 10, 60, 10}, {60, 10, 70, 10}} << QList<int>{1, 11}
            << QList<QPolygon>{QPolygon{{50, 10}, {60, 10}}, QPolygon{{60, 10}, {70, 10}}};
    }
    void curvesBecomeOneTraceEach() {
        QFETCH(QList<QLine>, mouvements);
        QFETCH(QList<int>, especes);
        QFETCH(QList<QPolygon>, traces);
        DessinGraphe dessin;
        for (qsizetype i = 0; i < mouvements.size(); ++i)
            dessin.prolonger(especes[i] % 10, plume(especes[i]), mouvements[i].p1(), mouvements[i].p2());
        QList<QPolygon> obtenues;
        for (const auto& t : dessin.traces())
            obtenues << t.points;
        QCOMPARE(obtenues, traces);
    }

    // Drawn again on a picture of its own, the drawing gives the very picture
    // the screen shows: the frame, two kept runs, a tangent, bold or not.
    void drawnAgainShowsThePicture_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("largeur");
        QTest::newRow("normal") << 1 << 1;
        QTest::newRow("enlarged, bold") << 2 << 2;
    }
    void drawnAgainShowsThePicture() {
        QFETCH(int, k);
        QFETCH(int, largeur);
        KeptRuns conserves;
        for (int j = 0; j < 2; ++j) {
            CourbeConservee run;
            run.courbeQuantite = {0, 1, 1.0 + j, 0, 0};
            for (int i = 1; i <= 4; ++i)
                run.courbeCouleur[i] = entierDepuisCouleur(couleurs[i - 1]);
            run.courbeParam = {0, 1000, 0, -1, 0, 1};
            run.courbeDuree = 600;
            conserves.nbCourbes = static_cast<std::int16_t>(j);
            conserves.enrcourbe(run, 2.0f);
        }
        CadreGraphe cadre;
        cadre.echelle = {k, 600, 2.0f};
        cadre.couleurs = couleurs;
        cadre.departs = {1.0, 2.0, 0.0, 0.0};
        cadre.gras = largeur == 2;
        QImage ecran = k == 1 ? QImage(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32)
                              : QImage(largeurGrapheAgrandi, hauteurGrapheAgrandi, QImage::Format_RGB32);
        DessinGraphe dessin;
        QVERIFY(dessin.dessinerCadre(ecran, cadre));
        dessinerCourbesConservees(ecran, cadre.echelle, cadre.affichees, largeur, conserves, &dessin);
        const QPen rouge(Qt::red, largeur, Qt::SolidLine, Qt::FlatCap);
        dessin.trait(rouge, {60, 150}, {300, 20});
        {
            QPainter p(&ecran);
            p.setPen(rouge);
            p.drawLine(60, 150, 300, 20);
        }
        QCOMPARE(dessin.traces().size(), std::size_t(2 * 4 + 1));

        QImage encore(ecran.size(), QImage::Format_RGB32);
        {
            QPainter p(&encore);
            dessin.dessiner(p);
        }
        QCOMPARE(encore, ecran);
    }
};

VEDO_TEST(TestDessinGraphe);
#include "tst_dessingraphe.moc"
