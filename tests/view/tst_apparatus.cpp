#include "TestRegistry.h"

#include "view/Apparatus.h"

#include <QtTest>

using namespace vedo;

class TestApparatus : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QCOMPARE(choisirMontage(200, false).rayon, 55); }
};

VEDO_TEST(TestApparatus);
#include "tst_apparatus.moc"
