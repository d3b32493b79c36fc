#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

#include "ui/bausteine.h"
#include "ui/frmvireo.h"

namespace ui {

void frmVireo::baueShell() {
    Command7 = knopf(client_, QStringLiteral("Command7"), QStringLiteral("Info"), 11100, 10020, 1320, 375);
    connect(Command7, &QPushButton::clicked, this, &frmVireo::Command7_Click);
    connect(cmdNeu, &QAction::triggered, this, &frmVireo::cmdNeu_Click);
    connect(cmdEnde, &QAction::triggered, this, &frmVireo::cmdEnde_Click);
}

void frmVireo::cmdNeu_Click() {
    welt_->loescheZellen();
    neuerLauf();
    zeichneFeld(welt_->feldGroesse);
    setWindowTitle(QStringLiteral("Morlix 1.0"));
}

void frmVireo::cmdEnde_Click() {
    // Ends at once, without a question, also while the clock runs or a second window was open.
    QApplication::exit(0);
}

void frmVireo::Command7_Click() {
    dialoge_.information(this, QStringLiteral("Über MorLix"),
                         QStringLiteral("MorLix 2.2\n\n"
                                        "Eine Werkbank für zellulare Automaten mit zwei Zuständen: "
                                        "Regeln, Nachbarschaften und Ränder frei wählbar.\n\n"
                                        "Entwickelt vom MorLix-Team, gebaut mit Qt."));
}

void frmVireo::closeEvent(QCloseEvent* ereignis) {
    ereignis->accept();
    QApplication::exit(0);
}

}  // namespace ui
