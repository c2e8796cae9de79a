#pragma once
// A double click on an entry of a list, as a user makes it: a first click,
// then the second one that the list reads as a double click.

#include <QListWidget>
#include <QtTest>

inline void doubleCliquer(QListWidget* liste, int ligne) {
    const QPoint centre = liste->visualItemRect(liste->item(ligne)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, centre);
}
