#pragma once
// A temporary directory of exercises for the tests: each exercise file with
// its statement and correction texts ("Énoncé de NOM", "Correction de NOM")
// and configurations, as the chooser and the menu find them.

#include "exercises/FichierExercice.h"
#include "exercises/RtfFichier.h"
#include "persistence/ConfigurationFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>

struct OptionsExercice {
    bool correction = true;
    bool configuration = true;
    QString difficulte = "2";
    QString duree = "3";
    std::int16_t temperature = 650;           // of the statement's configuration, tenths of °C
    std::int16_t temperatureCorrection = 350; // of the correction's
};

class RepertoireExercices {
public:
    QString chemin(const QString& nom = {}) const {
        return QDir::toNativeSeparators(nom.isEmpty() ? dossier_.path() : dossier_.filePath(nom));
    }

    static void ecrireTexte(const QString& chemin, const QString& texte) {
        QTextDocument document;
        document.setPlainText(texte);
        vedo::enregistrerRtf(chemin, document);
    }

    // Writes NOM.E39 and its files; gives the path of NOM.E39.
    QString ajouter(const QString& nom, const OptionsExercice& o = {}) const {
        vedo::FichierExercice e;
        e.enonce = (nom + ".RTF").toStdString();
        ecrireTexte(chemin(nom + ".RTF"), "Énoncé de " + nom);
        if (o.configuration) {
            e.configuration = (nom + ".C15").toStdString();
            vedo::Configuration c;
            c.temperature = o.temperature;
            vedo::ecrireConfiguration(chemin(nom + ".C15"), c);
        }
        if (o.correction) {
            e.correction = (nom + "_C.RTF").toStdString();
            ecrireTexte(chemin(nom + "_C.RTF"), "Correction de " + nom);
            e.configurationCorrection = (nom + "_C.C15").toStdString();
            vedo::Configuration c;
            c.temperature = o.temperatureCorrection;
            vedo::ecrireConfiguration(chemin(nom + "_C.C15"), c);
        }
        e.difficulte = o.difficulte.toStdString();
        e.notions = {"Équilibre\r\n", "Rendement", "", ""};
        e.titre = ("  Exercice " + nom + "  ").toStdString();
        e.dureeTravail = o.duree.toStdString();
        vedo::ecrireFichierExercice(chemin(nom + vedo::extensionExercice), e);
        return chemin(nom + vedo::extensionExercice);
    }

    // The getting-started activity of a program installed here.
    void ajouterPriseEnMain(bool avecTexte = true) const {
        vedo::FichierExercice e;
        e.enonce = "ESTER.RTF";
        e.configuration = "ESTER.C15";
        if (avecTexte) ecrireTexte(chemin("ESTER.RTF"), "Prise en main");
        vedo::Configuration c;
        c.temperature = 800;
        vedo::ecrireConfiguration(chemin("ESTER.C15"), c);
        vedo::ecrireFichierExercice(chemin(vedo::nomPriseEnMain), e);
    }

private:
    QTemporaryDir dossier_;
};
