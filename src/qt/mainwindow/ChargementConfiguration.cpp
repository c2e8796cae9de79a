#include "mainwindow/ChargementConfiguration.h"

#include "mainwindow/FeuilleP.h"
#include "persistence/ConfigurationFile.h"

#include <QDir>

namespace vedo {

namespace {
// Colours in files: r + 256 g + 65536 b.
std::int32_t entierCouleur(const QColor& c) {
    return c.red() + 256 * c.green() + 65536 * c.blue();
}
QColor couleurEntier(std::int32_t v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

// Only the fully checked state counts.
bool coche(const QCheckBox* b) {
    return b->checkState() == Qt::Checked;
}

// The change a click makes, whether or not the control takes clicks now: the
// toggled and clicked handlers both run.
void choisir(QAbstractButton* b, bool valeur) {
    if (b->isChecked() == valeur) return;
    const bool exclusif = b->autoExclusive();
    // A file may leave both option buttons unselected.
    if (!valeur) b->setAutoExclusive(false);
    b->setChecked(valeur);
    b->setAutoExclusive(exclusif);
    emit b->clicked(valeur);
}

void appliquerEnregistrement(FeuilleP& f, const Configuration& c, int numero) {
    PanneauReaction& reaction = *f.Picture4;
    PanneauConditions& conditions = *f.Picture3;
    PanneauAffichage& affichage = *f.frame2;
    PanneauSuivi& suivi = *f.Picture1;
    switch (numero) {
    case 2:
    case 3:
    case 4:
    case 5:
        // As stored: no key filter, no amount check.
        reaction.Text1[numero - 2]->setText(QString::fromStdString(c.quantites[numero - 2]));
        break;
    case 6:
        reaction.Combo1->setCurrentIndex(c.reaction);
        break;
    case 7:
        reaction.Combo2->setCurrentIndex(c.classeAlcool);
        break;
    case 8:
        conditions.Combo3->setCurrentIndex(c.especeVolatile);
        break;
    case 9:
    case 10:
    case 11:
    case 12:
        suivi.setCouleurCourbe(numero - 9, couleurEntier(c.couleurs[numero - 9]));
        break;
    case 13:
        suivi.VScroll2->setValue(c.positionDuree);
        break;
    case 14:
        suivi.VScroll3->setValue(c.defilementLignes);
        break;
    case 15:
        conditions.HScroll1->setValue(c.temperature);
        break;
    case 16:
        affichage.HScroll2->setValue(c.vitesseAnimation);
        break;
    case 17:
        choisir(suivi.Option1[0], c.representationGraphique);
        break;
    case 18:
        choisir(suivi.Option1[1], c.tableauValeurs);
        break;
    case 19:
    case 20:
    case 21:
    case 22:
        choisir(suivi.option2[numero - 19], c.courbes[numero - 19]);
        break;
    case 23:
        choisir(affichage.Check1, c.traceGras);
        break;
    case 24:
        choisir(affichage.Check2, c.conserverCourbes);
        break;
    case 25:
        choisir(affichage.Check3, c.afficherQr);
        break;
    case 26:
        choisir(conditions.Check4, c.distiller);
        break;
    case 27:
        choisir(conditions.Check5, c.catalyseur);
        break;
    default:
        break;
    }
}
} // namespace

QString titreAvecFichier(const QString& chemin) {
    return "Vedoriruvirivi - " + chemin;
}

Configuration configurationFenetre(const FeuilleP& f) {
    const PanneauReaction& reaction = *f.Picture4;
    const PanneauConditions& conditions = *f.Picture3;
    const PanneauAffichage& affichage = *f.frame2;
    const PanneauSuivi& suivi = *f.Picture1;
    Configuration c;
    for (int k = 0; k < 4; ++k) {
        c.quantites[k] = reaction.Text1[k]->text().toStdString();
        c.couleurs[k] = entierCouleur(suivi.couleurCourbe(k));
        c.courbes[k] = coche(suivi.option2[k]);
    }
    c.reaction = static_cast<std::int16_t>(reaction.Combo1->currentIndex());
    c.classeAlcool = static_cast<std::int16_t>(reaction.Combo2->currentIndex());
    c.especeVolatile = static_cast<std::int16_t>(conditions.Combo3->currentIndex());
    c.positionDuree = static_cast<std::int16_t>(suivi.VScroll2->value());
    c.defilementLignes = static_cast<std::int16_t>(suivi.VScroll3->value());
    c.temperature = static_cast<std::int16_t>(conditions.HScroll1->value());
    c.vitesseAnimation = static_cast<std::int16_t>(affichage.HScroll2->value());
    c.representationGraphique = suivi.Option1[0]->isChecked();
    c.tableauValeurs = suivi.Option1[1]->isChecked();
    c.traceGras = coche(affichage.Check1);
    c.conserverCourbes = coche(affichage.Check2);
    c.afficherQr = coche(affichage.Check3);
    c.distiller = coche(conditions.Check4);
    c.catalyseur = coche(conditions.Check5);
    return c;
}

void appliquerConfiguration(FeuilleP& f, const Configuration& c, int dernierEnregistrement) {
    for (int numero = 2; numero <= dernierEnregistrement; ++numero)
        appliquerEnregistrement(f, c, numero);
    // The species names on the reaction panel take the loaded curve colours;
    // the graph takes them at its next redraw.
    if (dernierEnregistrement >= 9 && f.Picture4->isVisible()) f.Picture4->dessiner();
    f.update();
}

bool chargeconfig(FeuilleP& f) {
    ApplicationState& application = f.application;
    const LectureConfiguration lecture =
        lireConfiguration(QDir::fromNativeSeparators(application.fichcourant));
    if (lecture.erreur != ErreurConfiguration::fichierNonValide)
        appliquerConfiguration(f, lecture.configuration, lecture.dernierEnregistrementLu);
    if (lecture.erreur != ErreurConfiguration::aucune) {
        application.prompteur.message(&f, QMessageBox::Critical, titreErreurConfiguration(lecture.erreur),
                                      messageErreurConfiguration(lecture.erreur), QMessageBox::Ok);
        return false;
    }
    application.courbes.nbCourbes = -1;
    f.Command9_Click();
    f.setWindowTitle(titreAvecFichier(application.fichcourant));
    return true;
}

} // namespace vedo
