#pragma once
// The printer the program prints on, shared by the print dialog and the
// printing of the exercise text. Without any printer on the system the pages
// go to a PDF file that the user names at each printing, so that a school
// without a printer still gets its pages.

#include <QPrinter>

class QWidget;

namespace vedo {

class Prompter;

class ChoixImprimante {
public:
    ChoixImprimante();

    QPrinter& imprimante() { return imprimante_; }

    // What the printer name box shows.
    QString nom() const;

    // The printer set-up dialog; false when cancelled. Printing to a file,
    // the dialog asks for its name.
    bool regler(Prompter& prompter, QWidget* parent);

    // Before each printing to a file: asks which PDF file to write, unless
    // the set-up dialog just named it, and checks that it can be written (a
    // message says so when it cannot). False when there is no file to write;
    // a printer needs nothing.
    bool preparer(Prompter& prompter, QWidget* parent);

private:
    QPrinter imprimante_{QPrinter::HighResolution};
    bool fichierRegle_ = false;
};

// The message of a printer or a file that refuses the job.
void signalerEchecImpression(Prompter& prompter, QWidget* parent);

} // namespace vedo
