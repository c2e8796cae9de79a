#pragma once
// Page count of a PDF file: its page objects, without any external tool.

#include <QFile>
#include <QRegularExpression>

inline int pagesPdf(const QString& fichier) {
    QFile pdf(fichier);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    const QString texte = QString::fromLatin1(pdf.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int pages = 0;
    for (auto trouve = page.globalMatch(texte); trouve.hasNext(); trouve.next())
        ++pages;
    return pages;
}
