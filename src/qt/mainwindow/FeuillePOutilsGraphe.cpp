// The tools of the graph: the readout under the mouse, the tangents to a
// kept run's curves, and the enlarged graph.

#include "mainwindow/FeuilleP.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "engine/AmountRules.h"
#include "mainwindow/IconesBoutons.h"
#include "mainwindow/Indices.h"
#include "view/LectureCurseur.h"
#include "view/Tangente.h"

#include <QCursor>
#include <QMouseEvent>
#include <QToolTip>

namespace vedo {

namespace {

// Passes the mouse moves over the graph, in picture units, and its clicks
// to the window.
class SourisGraphe : public QObject {
public:
    explicit SourisGraphe(FeuilleP& fenetre) : QObject(&fenetre), fenetre_(fenetre) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease) return false;
        const auto* souris = static_cast<QMouseEvent*>(event);
        PictureBox* graphe = fenetre_.Picture2;
        const QPoint position = souris->position().toPoint();
        // What a button on the graph passes on belongs to the button.
        if (graphe->childAt(position)) return false;
        if (event->type() == QEvent::MouseMove) {
            const QPointF p = souris->position() + graphe->origine();
            fenetre_.Picture2_MouseMove(static_cast<float>(p.x()), static_cast<float>(p.y()));
        } else if (souris->button() == Qt::LeftButton && graphe->rect().contains(position)) {
            fenetre_.Picture2_Click();
        }
        return false;
    }

private:
    FeuilleP& fenetre_;
};

} // namespace

void FeuilleP::installerOutilsGraphe() {
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(new SourisGraphe(*this));
    // The hint sits over the plot area once enlarged: it must not take the clicks.
    Label5->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(Command12, &QToolButton::clicked, this, &FeuilleP::Command12_Click);
}

void FeuilleP::Picture2_MouseMove(float x, float y) {
    info->setText(indice(Picture2->objectName(), {}, info->text(), messageCopie));
    modele_.facteurGraphe = static_cast<std::int16_t>(vedo::facteurGraphe(Picture2->width()));
    const auto lecture = lireCurseur(x, y, modele_.facteurGraphe, modele_.duree, modele_.ymax);
    const QString texte = lecture ? QString::fromStdString(lecture->texte) : QString();
    if (lecture) {
        Picture2->setCursor(Qt::CrossCursor);
        modele_.tempsCurseur = lecture->tempsCurseur;
    } else {
        Picture2->unsetCursor();
    }
    Picture2->setToolTip(texte);
    // A tip already shown follows the mouse; an empty text hides it.
    if (QToolTip::isVisible()) QToolTip::showText(QCursor::pos(), texte, Picture2);
    Label5->setVisible(lecture && application.courbes.nbCourbes >= 0);
}

void FeuilleP::Picture2_Click() {
    if (Picture2->cursor().shape() != Qt::CrossCursor) return;
    const int dernier = application.courbes.nbCourbes;
    if (dernier < 0 || dernier >= nombreEmplacements) return;
    QStringList elements;
    if (dernier == 0) {
        elements << "Tangente à la courbe";
    } else {
        for (int j = 0; j <= dernier; ++j)
            elements << "Tangente à la courbe n° " + QString::fromStdString(texteGeneral(j + 1));
    }
    const int choix = application.prompteur.menu(this, menuSimple(elements), QCursor::pos());
    if (choix >= 0) out01_Click(choix);
}

void FeuilleP::out01_Click(int index) {
    if (index < 0 || index > application.courbes.nbCourbes || index >= nombreEmplacements) return;
    tander(modele_.tempsCurseur, application.courbes.emplacement(index));
}

void FeuilleP::tander(std::int32_t t0, const CourbeConservee& courbe) {
    const Tangentes resultat = tangentes(courbe, t0, {modele_.facteurGraphe, modele_.duree, modele_.ymax}, modele_.courbesAffichees());
    modele_.kDirect = resultat.k.kDirect;
    modele_.kInverse = resultat.k.kInverse;
    dessinerTangentes(Picture2->toile(), resultat, dessinGraphe);
}

void FeuilleP::Command12_Click() {
    // Positions of the hint are in the picture's units before the redraw.
    const QPoint origine = Picture2->origine().toPoint();
    if (Picture2->width() == largeurGrapheNormal) {
        Picture2->resize(largeurGrapheAgrandi, hauteurGrapheAgrandi);
        Command12->setIcon(iconeRestaurer());
        Command12->setToolTip("Restaurer");
        Label5->setFont(policeArial(12));
        Label5->move(QPoint(275, 10) - origine);
    } else {
        Picture2->resize(largeurGrapheNormal, hauteurGrapheNormal);
        Command12->setIcon(iconeAgrandir());
        Command12->setToolTip("Agrandir");
        Label5->setFont(policeArial(8));
        Label5->move(QPoint(150, -44) - origine);
    }
    Label5->adjustSize();
    Picture2->raise();
    // The table, when shown again, must still cover the graph.
    Frame3->raise();
    echgraphe(0);
    redessinerRunEnCours();
}

void FeuilleP::redessinerRunEnCours() {
    std::int32_t fin = modele_.duree;
    if (Timer1->isActive()) {
        for (int k = 0; k < 4; ++k)
            if (const auto v = quantiteSaisie(modele_.reglages.quantites[k])) modele_.n[k] = *v;
        fin = versEntier32(modele_.animation.tempsEcoule / 10.0).value_or(0);
    } else if (application.courbes.nbCourbes >= 0) {
        modele_.n = modele_.n0; // amounts typed since the run do not count
    } else {
        return;
    }
    ParametresRun p;
    p.duree = fin;
    p.conditions = modele_.conditions();
    p.ymax = modele_.ymax;
    TraceurCourbes traceur(Picture2->surface(), {modele_.facteurGraphe, modele_.duree, modele_.ymax}, modele_.courbesAffichees(),
                           modele_.couleurs(), Picture2->epaisseur(), modele_.precedents, &dessinGraphe);
    // The animation goes on from the starting point at the new scale.
    if (fin == 0) traceur.premierPoint(modele_.n);
    ConstantesVitesse k{modele_.kDirect, modele_.kInverse};
    vedo::speed(modele_.n, p, traceur, k);
    modele_.kDirect = k.kDirect;
    modele_.kInverse = k.kInverse;
    Picture2->update();
}

} // namespace vedo
