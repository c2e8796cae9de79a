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
    SourisGraphe(FeuilleP& fenetre, PictureBox& graphe) : QObject(&fenetre), fenetre_(fenetre), graphe_(graphe) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease) return false;
        const auto* souris = static_cast<QMouseEvent*>(event);
        PictureBox* graphe = &graphe_;
        const QPoint position = souris->position().toPoint();
        // What a button on the graph passes on belongs to the button.
        if (graphe->childAt(position)) return false;
        if (event->type() == QEvent::MouseMove) {
            const QPointF p = souris->position() + graphe->origine();
            fenetre_.Picture2_MouseMove(static_cast<float>(p.x()), static_cast<float>(p.y()));
        } else if (souris->button() == Qt::LeftButton && graphe->rect().contains(position)) {
            fenetre_.modele().Picture2_Click(pixelDe(QCursor::pos()));
        }
        return false;
    }

private:
    FeuilleP& fenetre_;
    PictureBox& graphe_;
};

} // namespace

void FeuilleP::installerOutilsGraphe() {
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(new SourisGraphe(*this, *Picture2));
    // The hint sits over the plot area once enlarged: it must not take the clicks.
    Label5->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(Command12, &QToolButton::clicked, this, [this] { modele_.Command12_Click(); });
}

void FeuilleP::Picture2_MouseMove(float x, float y) {
    info->setText(indice(Picture2->objectName(), {}, info->text(), messageCopie));
    const auto lecture = modele_.Picture2_MouseMove(x, y);
    const QString texte = lecture ? QString::fromStdString(lecture->texte) : QString();
    if (modele_.curseurSurGraphe)
        Picture2->setCursor(Qt::CrossCursor);
    else
        Picture2->unsetCursor();
    Picture2->setToolTip(texte);
    // A tip already shown follows the mouse; an empty text hides it.
    if (QToolTip::isVisible()) QToolTip::showText(QCursor::pos(), texte, Picture2);
    Label5->setVisible(modele_.indiceTangente);
}

void FeuilleP::tailleGrapheChangee() {
    // Positions of the hint are in the picture's units before the redraw.
    const QPoint origine = Picture2->origine().toPoint();
    const bool agrandi = modele_.grapheAgrandi;
    if (agrandi)
        Picture2->resize(largeurGrapheAgrandi, hauteurGrapheAgrandi);
    else
        Picture2->resize(largeurGrapheNormal, hauteurGrapheNormal);
    Command12->setIcon(agrandi ? iconeRestaurer() : iconeAgrandir());
    Command12->setToolTip(modele_.infoBulleCommand12());
    Label5->setFont(policeArial(agrandi ? 12 : 8));
    Label5->move((agrandi ? QPoint(275, 10) : QPoint(150, -44)) - origine);
    Label5->adjustSize();
    Picture2->raise();
    // The table, when shown again, must still cover the graph.
    Frame3->raise();
}

} // namespace vedo
