#include "TestRegistry.h"

#include "exercises/Banniere.h"
#include "exercises/ImagesExercice.h"
#include "platform/DessinQt.h"

#include <QtTest>

using namespace vedo;

class TestBanniere : public QObject {
    Q_OBJECT
private slots:
    void bannerShowsItsTitleFromTheLeftMargin() {
        Banniere tito("Ouvrir un exercice");
        tito.resize(600, 57);
        const QImage image = tito.grab().toImage();
        // Nothing written left of the margin; pale letters after it.
        bool lettreAvantMarge = false, lettre = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const bool pale = c.red() > 200 && c.green() > 200;
                if (pale && x < Banniere::marge - 1) lettreAvantMarge = true;
                if (pale && x >= Banniere::marge) lettre = true;
            }
        QVERIFY(!lettreAvantMarge);
        QVERIFY(lettre);
        QCOMPARE(image.pixelColor(2, 2), QColor(0, 0, 128));
    }

    void litAndDarkStarsDiffer() {
        const QImage allumee = imageEtoile(true).toImage();
        const QImage eteinte = imageEtoile(false).toImage();
        const QPoint centre(allumee.width() / 2, allumee.height() / 2);
        QCOMPARE(allumee.pixelColor(centre), couleurQt(couleurEtoileAllumee));
        QCOMPARE(eteinte.pixelColor(centre), couleurQt(couleurEtoileEteinte));
        QCOMPARE(allumee.pixelColor(0, 0).alpha(), 0);
    }
};

VEDO_TEST(TestBanniere);
#include "tst_banniere.moc"
