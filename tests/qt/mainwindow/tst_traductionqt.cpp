#include "TestRegistry.h"

#include "platform/TraductionQt.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace vedo;

namespace {

// The texts of a dialog's push buttons and labels.
QStringList textes(const QWidget& dialogue) {
    QStringList t;
    for (const auto* bouton : dialogue.findChildren<QPushButton*>())
        t << bouton->text();
    for (const auto* etiquette : dialogue.findChildren<QLabel*>())
        t << etiquette->text();
    return t;
}

} // namespace

// Qt's own words in the program's dialogs are French, whatever the
// machine's language.
class TestTraductionQt : public QObject {
    Q_OBJECT
    QTranslator* traduction = nullptr;

private slots:
    void initTestCase() {
        traduction = traduireQtEnFrancais(*QCoreApplication::instance());
        QVERIFY2(traduction, "Qt's French translation is missing (qt6-translations-l10n)");
    }
    void cleanupTestCase() {
        QCoreApplication::removeTranslator(traduction);
        delete traduction;
    }

    void textesDeQt_data() {
        QTest::addColumn<QString>("dialogue");
        QTest::addColumn<QString>("francais");
        QTest::addColumn<QString>("anglais");
        QTest::newRow("question: Cancel") << "question" << "Annuler" << "Cancel";
        QTest::newRow("question: Yes") << "question" << "&Oui" << "&Yes";
        QTest::newRow("save dialog: Look in") << "enregistrer" << "Voir dans :" << "Look in:";
        QTest::newRow("save dialog: Save") << "enregistrer" << "&Enregistrer" << "&Save";
        QTest::newRow("printer dialog: Print") << "imprimante" << "Im&primer" << "&Print";
    }
    void textesDeQt() {
        QFETCH(QString, dialogue);
        QFETCH(QString, francais);
        QFETCH(QString, anglais);
        std::unique_ptr<QWidget> d;
        QPrinter imprimante;
        if (dialogue == "question") {
            d = std::make_unique<QMessageBox>(QMessageBox::Question, "Fermer", "Quitter ?",
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        } else if (dialogue == "enregistrer") {
            auto f = std::make_unique<QFileDialog>();
            f->setOption(QFileDialog::DontUseNativeDialog);
            f->setAcceptMode(QFileDialog::AcceptSave);
            d = std::move(f);
        } else {
            d = std::make_unique<QPrintDialog>(&imprimante);
        }
        const QStringList t = textes(*d);
        QVERIFY2(t.contains(francais), qPrintable(t.join(" | ")));
        QVERIFY(!t.contains(anglais));
    }
};

VEDO_TEST(TestTraductionQt);
#include "tst_traductionqt.moc"
