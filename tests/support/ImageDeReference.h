#pragma once
// Pictures whose drawing is ours alone (the glassware, the hourglass): the
// test compares them pixel for pixel with the picture approved once, kept in
// the test data folder. A deliberate change of the drawing fails here: the
// new picture is saved in the temporary directory, to look at and copy over
// the reference.

#include <QDir>
#include <QImage>
#include <QString>

// Empty when `obtenue` is the reference picture `nom`; otherwise what differs.
inline QString ecartAReference(const QImage& obtenue, const QString& nom) {
    const QImage reference = QImage(QStringLiteral(VEDO_TEST_DATA "/") + nom).convertToFormat(QImage::Format_ARGB32);
    const QImage image = obtenue.convertToFormat(QImage::Format_ARGB32);
    int differents = 0;
    if (reference.size() == image.size())
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                differents += image.pixel(x, y) != reference.pixel(x, y);
    if (reference.size() == image.size() && differents == 0) return {};
    const QString copie = QDir::temp().filePath(nom);
    image.save(copie);
    return QStringLiteral("%1: %2 pixels differ from the reference (size %3 x %4); obtained picture saved to %5")
        .arg(nom)
        .arg(reference.size() == image.size() ? differents : image.width() * image.height())
        .arg(reference.width())
        .arg(reference.height())
        .arg(copie);
}
