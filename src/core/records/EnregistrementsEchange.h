#pragma once
// The suite's hand-over file "TEMPQW.TMP", shared by the programs of the
// suite installed in one directory, a record file. This program writes
// "OUI"/"NON" into record 16 (it is running) and takes from record 31 the
// name of an exercise another program asks it to open. The other records
// belong to the other programs: a shell changes these two records in place
// and leaves every other byte as it was.

namespace vedo {

inline constexpr char nomFichierEchange[] = "TEMPQW.TMP";
inline constexpr int enregistrementEnMarche = 16;
inline constexpr int enregistrementExercice = 31;

inline const char* texteEnMarche(bool enMarche) {
    return enMarche ? "OUI" : "NON";
}

} // namespace vedo
