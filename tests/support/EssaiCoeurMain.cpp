#include "EssaiCoeur.h"

#include <cstdio>
#include <cstring>
#include <exception>

std::vector<essai::Defaut>& essai::echecs() {
    static std::vector<essai::Defaut> liste;
    return liste;
}

// `tst_x [test] [-silent]`: with a name, only that test runs; -silent prints
// the failures alone, one line each, as `FAIL!  : test(row) file:line: message`.
int main(int argc, char** argv) {
    const char* seul = nullptr;
    bool silencieux = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-silent") == 0)
            silencieux = true;
        else
            seul = argv[i];
    }
    int rates = 0;
    int lances = 0;
    for (const essai::Test& test : essai::tests()) {
        if (seul && std::strcmp(seul, test.nom) != 0) continue;
        ++lances;
        essai::echecs().clear();
        try {
            test.corps();
        } catch (const essai::Echec& e) {
            essai::echecs().push_back({"", e.message});
        } catch (const std::exception& e) {
            essai::echecs().push_back({"", std::string("exception : ") + e.what()});
        }
        for (const essai::Defaut& d : essai::echecs())
            std::printf("FAIL!  : %s(%s) %s\n", test.nom, d.ligne.c_str(), d.message.c_str());
        if (!essai::echecs().empty())
            ++rates;
        else if (!silencieux)
            std::printf("PASS   : %s\n", test.nom);
    }
    std::printf("Totals: %d passed, %d failed\n", lances - rates, rates);
    if (lances == 0) std::printf("Aucun test nommé %s\n", seul ? seul : "");
    return rates == 0 && lances > 0 ? 0 : 1;
}
