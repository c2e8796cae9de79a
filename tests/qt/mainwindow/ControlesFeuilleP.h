#pragma once
// The main window's controls, found by their names as a person finds them
// on screen: the window keeps its widgets to itself.

#include "mainwindow/FeuilleP.h"
#include "mainwindow/MenuExercice.h"

#include <QTimer>

#include <array>

struct ControlesFeuilleP {
    explicit ControlesFeuilleP(const vedo::FeuilleP& f)
        : Command2(nomme<QPushButton>(f, "Command2")), Command11(nomme<QPushButton>(f, "Command11")),
          Command4(nomme<QPushButton>(f, "Command4")), Command10(nomme<QPushButton>(f, "Command10")),
          Command8(nomme<QPushButton>(f, "Command8")), Command7(nomme<QPushButton>(f, "Command7")),
          Command1(nomme<QPushButton>(f, "Command1")), Command5(nomme<QPushButton>(f, "Command5")),
          Command3(nomme<QPushButton>(f, "Command3")), Command9(nomme<QPushButton>(f, "Command9")),
          Timer1(nomme<QTimer>(f, "Timer1")), Picture2(nomme<vedo::PictureBox>(f, "Picture2")),
          Command12(nomme<QToolButton>(f, "Command12")), Command6(nomme<QPushButton>(f, "Command6")),
          Label5(nomme<QLabel>(f, "Label5")), Frame3(nomme<QFrame>(f, "Frame3")),
          MSFlexGrid1(nomme<QTableWidget>(f, "MSFlexGrid1")), animpic(nomme<vedo::PictureBox>(f, "animpic")),
          info(nomme<QLabel>(f, "info")), btexo(nomme<QToolButton>(f, "btexo")), fich(nomme<QLineEdit>(f, "fich")),
          menuExercice(f.findChild<vedo::MenuExercice*>()), supertext(nomme<QTextEdit>(f, "supertext")),
          Onglets(nomme<vedo::BandeOnglets>(f, "Onglets")), Picture4(nomme<vedo::PanneauReaction>(f, "Picture4")),
          Picture3(nomme<vedo::PanneauConditions>(f, "Picture3")),
          frame2(nomme<vedo::PanneauAffichage>(f, "frame2")), Picture1(nomme<vedo::PanneauSuivi>(f, "Picture1")),
          rtf1(nomme<QTextEdit>(f, "rtf1")) {
        for (int i = 0; i < 7; ++i)
            Label1[i] = nomme<QLabel>(f, QString("Label1(%1)").arg(i));
    }

    QPushButton *Command2, *Command11, *Command4, *Command10, *Command8, *Command7, *Command1;
    QPushButton *Command5, *Command3, *Command9;
    QTimer* Timer1;
    vedo::PictureBox* Picture2;
    QToolButton* Command12;
    QPushButton* Command6;
    QLabel* Label5;
    QFrame* Frame3;
    std::array<QLabel*, 7> Label1{};
    QTableWidget* MSFlexGrid1;
    vedo::PictureBox* animpic;
    QLabel* info;
    QToolButton* btexo;
    QLineEdit* fich;
    vedo::MenuExercice* menuExercice;
    QTextEdit* supertext;
    vedo::BandeOnglets* Onglets;
    vedo::PanneauReaction* Picture4;
    vedo::PanneauConditions* Picture3;
    vedo::PanneauAffichage* frame2;
    vedo::PanneauSuivi* Picture1;
    QTextEdit* rtf1;

private:
    // A name the window does not have fails loudly rather than crashing later.
    template <class T> static T* nomme(const vedo::FeuilleP& f, const QString& nom) {
        T* controle = f.findChild<T*>(nom);
        if (!controle) qFatal("no control %s in the main window", qPrintable(nom));
        return controle;
    }
};

inline ControlesFeuilleP controles(const vedo::FeuilleP& f) {
    return ControlesFeuilleP(f);
}
inline ControlesFeuilleP controles(const vedo::FeuilleP* f) {
    return ControlesFeuilleP(*f);
}
// The test window, or the pointer that owns the window.
template <class P>
    requires requires(P& p) { p.operator->(); }
ControlesFeuilleP controles(P& p) {
    return controles(p.operator->());
}
