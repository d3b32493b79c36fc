#include "ui/frmvireo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include "engine/programm.h"
#include "engine/welt.h"
#include "ui/bausteine.h"
#include "ui/beispieltafel.h"
#include "ui/dialoge.h"
#include "ui/farbtafel.h"
#include "ui/feldtafel.h"
#include "ui/frmmatrix.h"
#include "ui/frmverlauf.h"
#include "ui/fusszeile.h"
#include "ui/hilfe.h"
#include "ui/maustafel.h"
#include "ui/randtafel.h"
#include "ui/regeltafel.h"
#include "ui/starttafel.h"

namespace ui {

namespace {

// Design size of the client area, in twips; without the example panel it ends where the panel begins.
constexpr int kClientBreite = 14868;
constexpr int kClientOhneBeispiele = 12540;
constexpr int kClientHoehe = 10464;

}  // namespace

frmVireo::frmVireo(Dialoge& dialoge, QWidget* eltern) : QMainWindow(eltern), dialoge_(dialoge) {
    setObjectName(QStringLiteral("frmVireo"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    // Small captions as on the designed panels; logical pixels scale with the screen's dpi.
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    client_->setFont(schrift);
    setCentralWidget(client_);
    // The layout is designed for one size: only the panel buttons change the width.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto* bedienfeld = new QWidget(client_);
    bedienfeld->setObjectName(QStringLiteral("Picture1"));
    platziere(bedienfeld, 10080, 240, 2412, 9735);
    faerbe(bedienfeld, QColor(224, 224, 224));

    startTafel_ = new StartTafel(modell_, bedienfeld);
    auto* randTafel = new RandTafel(modell_, bedienfeld);
    feldTafel_ = new FeldTafel(modell_, client_);
    auto* beispiele = new BeispielTafel(modell_, client_);
    fusszeile_ = new Fusszeile(modell_, dialoge_, client_);
    tafeln_ = {startTafel_, new RegelTafel(modell_, bedienfeld), new MausTafel(modell_, bedienfeld),
               new FarbTafel(modell_, dialoge_, bedienfeld), randTafel, feldTafel_, beispiele, fusszeile_};
    for (Tafel* t : tafeln_) connect(t, &Tafel::hilfe, fusszeile_, &Fusszeile::zeigeHilfe);
    connect(startTafel_, &StartTafel::beispieleZeigen, this, [this] { setzeBreite(kClientBreite); });
    connect(beispiele, &BeispielTafel::verbergen, this, [this] { setzeBreite(kClientOhneBeispiele); });
    connect(randTafel, &RandTafel::randBildZeigen, feldTafel_, &FeldTafel::zeigeRandBild);

    baueMenues();
    new Hilfe(client_, [this](const QString& text) { fusszeile_->zeigeHilfe(text); });
    setzeBreite(kClientBreite);
    modell_.beobachte(*this);
    geaendert(werkbank::kAlles);
    modell_.start();
    // Start with the keys free for the field rather than in the counter's box.
    client_->setFocus();
}

frmVireo::~frmVireo() { modell_.vergiss(*this); }

QTimer* frmVireo::uhr() const { return startTafel_->uhr(); }

QAction* frmVireo::eintrag(QMenu* menue, const char* name, const QString& text) {
    QAction* a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void frmVireo::baueMenues() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("cmdDatei"));
    connect(eintrag(datei, "cmdNeu", QStringLiteral("neu")), &QAction::triggered, this, &frmVireo::neu);
    connect(eintrag(datei, "cmdLaden", QStringLiteral("öffnen")), &QAction::triggered, this, &frmVireo::oeffnen);
    connect(eintrag(datei, "cmdSpeichern", QStringLiteral("speichern")), &QAction::triggered, this,
            &frmVireo::speichern);
    datei->addSeparator();
    connect(eintrag(datei, "cmdImport", QStringLiteral("Muster importieren (ersetzt die Welt)…")), &QAction::triggered,
            this, &frmVireo::importieren);
    connect(eintrag(datei, "cmdExport", QStringLiteral("Muster exportieren…")), &QAction::triggered, this,
            &frmVireo::exportieren);
    connect(eintrag(datei, "cmdBild", QStringLiteral("Bild speichern…")), &QAction::triggered, this,
            &frmVireo::bildSpeichern);
    connect(eintrag(datei, "cmdAnimation", QStringLiteral("Animation speichern…")), &QAction::triggered, this,
            &frmVireo::animationSpeichern);
    datei->addSeparator();
    connect(eintrag(datei, "cmdEnde", QStringLiteral("beenden")), &QAction::triggered, this, &frmVireo::beenden);
    const std::pair<const char*, QKeySequence> tasten[] = {{"cmdNeu", QKeySequence::New},
                                                           {"cmdLaden", QKeySequence::Open},
                                                           {"cmdSpeichern", QKeySequence::Save},
                                                           {"cmdEnde", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [name, taste] : tasten) datei->findChild<QAction*>(QString::fromLatin1(name))->setShortcut(taste);

    // Placed after the designed menus, below.
    auto* bearbeiten = new QMenu(QStringLiteral("Bearbeiten"), this);
    bearbeiten->setObjectName(QStringLiteral("cmdBearbeiten"));
    rueckgaengig_ = eintrag(bearbeiten, "cmdRueckgaengig", QString());
    rueckgaengig_->setShortcut(QKeySequence::Undo);
    wiederholen_ = eintrag(bearbeiten, "cmdWiederholen", QString());
    wiederholen_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(rueckgaengig_, &QAction::triggered, this, [this] { modell_.rueckgaengig(); });
    connect(wiederholen_, &QAction::triggered, this, [this] { modell_.wiederholen(); });
    // A run's step grows with every tick: its name is read when the menu opens.
    connect(bearbeiten, &QMenu::aboutToShow, this, &frmVireo::zeigeChronik);
    bearbeiten->addSeparator();
    QAction* kopie = eintrag(bearbeiten, "cmdKopieren", QStringLiteral("Muster kopieren"));
    QAction* einfuegung = eintrag(bearbeiten, "cmdEinfuegen", QStringLiteral("Muster einfügen (zur Welt hinzu)"));
    // A focused text box keeps its own copy and paste: it claims these keys first.
    kopie->setShortcut(QKeySequence::Copy);
    einfuegung->setShortcut(QKeySequence::Paste);
    connect(kopie, &QAction::triggered, this, &frmVireo::kopieren);
    connect(einfuegung, &QAction::triggered, this, &frmVireo::einfuegen);

    QMenu* raster = menuBar()->addMenu(QStringLiteral("Raster einstellen"));
    raster->setObjectName(QStringLiteral("cmdRaster"));
    const char* namen[3] = {"cmd30", "cmd50", "cmd90"};
    const QString texte[3] = {QStringLiteral("30 x 30"), QStringLiteral("60 x 60 "), QStringLiteral("90 x 90 ")};
    for (int k = 0; k < 3; ++k) {
        groessen_[k] = eintrag(raster, namen[k], texte[k]);
        groessen_[k]->setCheckable(true);
        connect(groessen_[k], &QAction::triggered, this, [this, k] { modell_.festeGroesse(k); });
    }
    connect(eintrag(raster, "cmdfrei", QStringLiteral("frei")), &QAction::triggered, this, &frmVireo::freieGroesse);

    QAction* rea = menuBar()->addAction(QStringLiteral("Raster ein/aus"));
    rea->setObjectName(QStringLiteral("cmdRea"));
    connect(rea, &QAction::triggered, this, [this] { modell_.rasterUmschalten(); });
    QAction* matrix = menuBar()->addAction(QStringLiteral("Nachbarmatrix"));
    matrix->setObjectName(QStringLiteral("cmdMatrixdef"));
    connect(matrix, &QAction::triggered, this, &frmVireo::matrixOeffnen);

    // The program's own menus follow the designed ones, which keep their order and places.
    menuBar()->addMenu(bearbeiten);

    QMenu* regel = menuBar()->addMenu(QStringLiteral("Regel"));
    regel->setObjectName(QStringLiteral("cmdRegel"));
    regelJetzt_ = regel->addAction(QString());
    regelJetzt_->setEnabled(false);
    regel->addSeparator();
    for (const werkbank::BenannteRegel& r : werkbank::Werkbank::benannteRegeln()) {
        const QString name = QString::fromStdString(r.name);
        // "&" marks a menu's shortcut letter; "Day & Night" means the sign itself.
        QAction* a = regel->addAction(QStringLiteral("%1\t%2").arg(
            QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")), QString::fromStdString(r.notation)));
        a->setCheckable(true);
        a->setData(name);
        connect(a, &QAction::triggered, this,
                [this, n = r.notation] { melde(QStringLiteral("Regel"), modell_.setzeRegelText(n)); });
        regelNamen_ << a;
    }
    regel->addSeparator();
    connect(eintrag(regel, "cmdRegelEingeben", QStringLiteral("Regel eingeben…")), &QAction::triggered, this,
            &frmVireo::regelEingeben);

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("Ansicht"));
    ansicht->setObjectName(QStringLiteral("cmdAnsicht"));
    QAction* verlauf = eintrag(ansicht, "cmdVerlauf", QStringLiteral("Verlauf…"));
    verlauf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(verlauf, &QAction::triggered, this, &frmVireo::verlaufZeigen);
}

void frmVireo::zeigeRegel() {
    regelJetzt_->setText(QString::fromStdString(modell_.regelBeschreibung()).replace(QLatin1Char('&'), QStringLiteral("&&")));
    const QString name = QString::fromStdString(modell_.regelName());
    for (QAction* a : regelNamen_) a->setChecked(a->data().toString() == name);
}

void frmVireo::regelEingeben() {
    const QString titel = QStringLiteral("Regel eingeben");
    const std::optional<QString> text = dialoge_.eingabe(
        this, titel,
        QStringLiteral("Regel als B/S („B36/S23“), als S/B („23/3“) oder mit Namen („HighLife“), auch mit Gitter "
                       "(„B3/S23:T30,30“):"),
        QString::fromStdString(modell_.regelEingabeText()), QPoint(tw(100), tw(100)));
    if (text) melde(titel, modell_.setzeRegelText(text->toStdString()));
}

void frmVireo::verlaufZeigen() {
    if (!verlauf_) verlauf_ = new frmVerlauf(modell_, dialoge_, this);
    verlauf_->show();
    verlauf_->raise();
    verlauf_->activateWindow();
}

void frmVireo::geaendert(std::uint32_t was) {
    for (Tafel* t : tafeln_) t->zeige(was);
    if (was & werkbank::kGroesse)
        for (int k = 0; k < 3; ++k) groessen_[k]->setChecked(k == modell_.groessenHaken());
    // The caption marks a changed world with Qt's placeholder.
    if (was & werkbank::kTitel) setWindowTitle(QString::fromStdString(modell_.titel()) + QStringLiteral("[*]"));
    if (was & werkbank::kChronik) zeigeChronik();
    if (was & (werkbank::kRegel | werkbank::kMaske)) zeigeRegel();
    if (verlauf_) verlauf_->zeige(was);
}

void frmVireo::zeigeChronik() {
    auto zeige = [this](QAction* aktion, const QString& verb, texte::Schrittname name) {
        const std::string schritt = texte::schritt(modell_.sprache(), name);
        aktion->setEnabled(!schritt.empty());
        aktion->setText(schritt.empty() ? verb : verb + QStringLiteral(": ") + QString::fromStdString(schritt));
    };
    zeige(rueckgaengig_, QStringLiteral("Rückgängig"), modell_.rueckgaengigName());
    zeige(wiederholen_, QStringLiteral("Wiederholen"), modell_.wiederholenName());
    setWindowModified(modell_.veraendert());
}

bool frmVireo::darfVerwerfen() {
    if (!modell_.veraendert()) return true;
    switch (dialoge_.frage(this, QString::fromLatin1(engine::kProgrammName),
                           QStringLiteral("Die Welt wurde geändert. Änderungen speichern?"),
                           {QStringLiteral("Speichern"), QStringLiteral("Verwerfen"), QStringLiteral("Abbrechen")})) {
        case 0: return speichereWelt();
        case 1: return true;
        default: return false;
    }
}

void frmVireo::neu() {
    if (darfVerwerfen()) modell_.neu();
}

void frmVireo::zelleGemalt(const edit::Gemalt& gemalt) { feldTafel_->male(gemalt); }

void frmVireo::setzeBreite(int twips) { client_->setFixedSize(tw(twips), tw(kClientHoehe)); }

void frmVireo::freieGroesse() {
    const std::optional<QString> text =
        dialoge_.eingabe(this, QStringLiteral("Feldgröße wählen"), QStringLiteral("gerade Zahl bis %1").arg(engine::kMaxFeld),
                         QStringLiteral("60"), QPoint(tw(100), tw(100)));
    modell_.freieGroesse(text ? std::optional(text->toStdString()) : std::nullopt);
}

void frmVireo::matrixOeffnen() {
    if (!matrix_) matrix_ = new frmMatrix(modell_, this);
    matrix_->zeige();
}

void frmVireo::keyPressEvent(QKeyEvent* ereignis) {
    const bool imText = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
    if (!imText && !ereignis->isAutoRepeat()) {
        if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) return modell_.laufUmschalten();
        if (ereignis->key() == Qt::Key_Space) return modell_.einzelschritt();
    }
    QMainWindow::keyPressEvent(ereignis);
}

void frmVireo::beenden() {
    // Ends at once once the world may go, also while the clock runs or a second window was open.
    if (darfVerwerfen()) QApplication::exit(0);
}

void frmVireo::closeEvent(QCloseEvent* ereignis) {
    ereignis->ignore();
    beenden();
}

}  // namespace ui
