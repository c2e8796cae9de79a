#pragma once
// A file whose reads or writes fail past a given byte, as a disk that fills
// up or a file another program cuts short under us.

#include <QBuffer>

class PeripheriqueDefaillant : public QBuffer {
public:
    PeripheriqueDefaillant(QByteArray* contenu, qint64 limiteLecture, qint64 limiteEcriture)
        : QBuffer(contenu), limiteLecture_(limiteLecture), limiteEcriture_(limiteEcriture) {}

protected:
    qint64 readData(char* donnees, qint64 taille) override {
        if (pos() + taille > limiteLecture_) return -1;
        return QBuffer::readData(donnees, taille);
    }
    qint64 writeData(const char* donnees, qint64 taille) override {
        if (pos() + taille > limiteEcriture_) return -1;
        return QBuffer::writeData(donnees, taille);
    }

private:
    qint64 limiteLecture_;
    qint64 limiteEcriture_;
};
