#include "exercises/PageCode1252.h"

#include "common/Windows1252.h"

#include <QHash>
#include <QString>

#include <array>
#include <string>

namespace vedo {

namespace {

const std::array<QChar, 256>& caracteres() {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = QString::fromStdString(cp1252VersUtf8(std::string(1, static_cast<char>(b)))).at(0);
        return t;
    }();
    return table;
}

} // namespace

QChar caractereDeOctet1252(unsigned char octet) {
    return caracteres()[octet];
}

int octet1252DeCaractere(QChar c) {
    static const QHash<char16_t, int> octets = [] {
        QHash<char16_t, int> h;
        for (int b = 0; b < 256; ++b)
            h.insert(caracteres()[b].unicode(), b);
        return h;
    }();
    return octets.value(c.unicode(), -1);
}

} // namespace vedo
