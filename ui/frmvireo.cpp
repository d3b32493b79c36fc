#include "ui/frmvireo.h"

#include <QAction>
#include <QActionGroup>
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
#include "ui/frmzensus.h"
#include "ui/fusszeile.h"
#include "ui/hilfe.h"
#include "ui/maustafel.h"
#include "ui/randtafel.h"
#include "ui/regeltafel.h"
#include "ui/sprache.h"
#include "ui/starttafel.h"
#include "ui/zugang.h"

namespace ui {

namespace {

// Design size of the client area, in twips; without the example panel it ends where the panel begins.
constexpr int kClientBreite = 14868;
constexpr int kClientOhneBeispiele = 12540;
constexpr int kClientHoehe = 10464;

/// Shows a second window in front of the others.
void nachVorn(QWidget* fenster) {
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

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
    // In reading order: the field, the control panel from the top, the examples, the bottom line.
    tafeln_ = {feldTafel_, startTafel_, new RegelTafel(modell_, bedienfeld), new MausTafel(modell_, bedienfeld),
               new FarbTafel(modell_, dialoge_, bedienfeld), randTafel, beispiele, fusszeile_};
    for (Tafel* t : tafeln_) connect(t, &Tafel::hilfe, fusszeile_, &Fusszeile::zeigeHilfe);
    connect(startTafel_, &StartTafel::beispieleZeigen, this, [this] { setzeBreite(kClientBreite); });
    connect(beispiele, &BeispielTafel::verbergen, this, [this] { setzeBreite(kClientOhneBeispiele); });
    connect(randTafel, &RandTafel::randBildZeigen, feldTafel_, &FeldTafel::zeigeRandBild);

    baueMenues();
    new Hilfe(client_, [this](const QString& text) { fusszeile_->zeigeHilfe(text); });
    ordneTabFolge(QList<QWidget*>(tafeln_.begin(), tafeln_.end()));
    benenne(this);
    setzeBreite(kClientBreite);
    modell_.beobachte(*this);
    geaendert(werkbank::kAlles);
    modell_.start();
    // Start with the keys free for the field rather than in the counter's box.
    client_->setFocus();
}

frmVireo::~frmVireo() { modell_.vergiss(*this); }

QTimer* frmVireo::uhr() const { return startTafel_->uhr(); }

QAction* frmVireo::eintrag(QMenu* menue, const char* name, const char* quelle) {
    QAction* a = menue->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    beschrifte(a, quelle);
    return a;
}

QMenu* frmVireo::menue(const char* name, const char* quelle, bool anhaengen) {
    auto* m = new QMenu(this);
    m->setObjectName(QString::fromLatin1(name));
    beschrifte(m, quelle);
    if (anhaengen) menuBar()->addMenu(m);
    return m;
}

void frmVireo::baueMenues() {
    QMenu* datei = menue("cmdDatei", QT_TRANSLATE_NOOP("MorLix", "&Datei"));
    connect(eintrag(datei, "cmdNeu", QT_TRANSLATE_NOOP("MorLix", "&neu")), &QAction::triggered, this, &frmVireo::neu);
    connect(eintrag(datei, "cmdLaden", QT_TRANSLATE_NOOP("MorLix", "ö&ffnen")), &QAction::triggered, this,
            &frmVireo::oeffnen);
    connect(eintrag(datei, "cmdSpeichern", QT_TRANSLATE_NOOP("MorLix", "&speichern")), &QAction::triggered, this,
            &frmVireo::speichern);
    datei->addSeparator();
    connect(eintrag(datei, "cmdImport", QT_TRANSLATE_NOOP("MorLix", "Muster &importieren (ersetzt die Welt)…")),
            &QAction::triggered, this, &frmVireo::importieren);
    connect(eintrag(datei, "cmdExport", QT_TRANSLATE_NOOP("MorLix", "Muster &exportieren…")), &QAction::triggered,
            this, &frmVireo::exportieren);
    connect(eintrag(datei, "cmdBild", QT_TRANSLATE_NOOP("MorLix", "Bil&d speichern…")), &QAction::triggered, this,
            &frmVireo::bildSpeichern);
    connect(eintrag(datei, "cmdAnimation", QT_TRANSLATE_NOOP("MorLix", "&Animation speichern…")), &QAction::triggered,
            this, &frmVireo::animationSpeichern);
    datei->addSeparator();
    connect(eintrag(datei, "cmdEnde", QT_TRANSLATE_NOOP("MorLix", "&beenden")), &QAction::triggered, this,
            &frmVireo::beenden);
    const std::pair<const char*, QKeySequence> tasten[] = {{"cmdNeu", QKeySequence::New},
                                                           {"cmdLaden", QKeySequence::Open},
                                                           {"cmdSpeichern", QKeySequence::Save},
                                                           {"cmdEnde", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [name, taste] : tasten) datei->findChild<QAction*>(QString::fromLatin1(name))->setShortcut(taste);

    // Placed after the designed menus, below.
    QMenu* bearbeiten = menue("cmdBearbeiten", QT_TRANSLATE_NOOP("MorLix", "&Bearbeiten"), false);
    rueckgaengig_ = eintrag(bearbeiten, "cmdRueckgaengig", nullptr);
    rueckgaengig_->setShortcut(QKeySequence::Undo);
    wiederholen_ = eintrag(bearbeiten, "cmdWiederholen", nullptr);
    wiederholen_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(rueckgaengig_, &QAction::triggered, this, [this] { modell_.rueckgaengig(); });
    connect(wiederholen_, &QAction::triggered, this, [this] { modell_.wiederholen(); });
    // A run's step grows with every tick: its name is read when the menu opens.
    connect(bearbeiten, &QMenu::aboutToShow, this, &frmVireo::zeigeChronik);
    bearbeiten->addSeparator();
    QAction* kopie = eintrag(bearbeiten, "cmdKopieren", QT_TRANSLATE_NOOP("MorLix", "Muster &kopieren"));
    QAction* einfuegung =
        eintrag(bearbeiten, "cmdEinfuegen", QT_TRANSLATE_NOOP("MorLix", "Muster &einfügen (zur Welt hinzu)"));
    // A focused text box keeps its own copy and paste: it claims these keys first.
    kopie->setShortcut(QKeySequence::Copy);
    einfuegung->setShortcut(QKeySequence::Paste);
    connect(kopie, &QAction::triggered, this, &frmVireo::kopieren);
    connect(einfuegung, &QAction::triggered, this, &frmVireo::einfuegen);
    bearbeiten->addSeparator();
    connect(eintrag(bearbeiten, "cmdZufallsfeld", QT_TRANSLATE_NOOP("MorLix", "&Zufallsfeld…")), &QAction::triggered,
            this, &frmVireo::zufallsfeld);

    QMenu* raster = menue("cmdRaster", QT_TRANSLATE_NOOP("MorLix", "Raster &einstellen"));
    const char* namen[3] = {"cmd30", "cmd50", "cmd90"};
    const char* texte[3] = {"&30 x 30", "&60 x 60 ", "&90 x 90 "};
    for (int k = 0; k < 3; ++k) {
        groessen_[k] = eintrag(raster, namen[k], texte[k]);
        groessen_[k]->setCheckable(true);
        connect(groessen_[k], &QAction::triggered, this, [this, k] { modell_.festeGroesse(k); });
    }
    connect(eintrag(raster, "cmdfrei", QT_TRANSLATE_NOOP("MorLix", "&frei")), &QAction::triggered, this,
            &frmVireo::freieGroesse);

    QAction* rea = menuBar()->addAction(QString());
    beschrifte(rea, QT_TRANSLATE_NOOP("MorLix", "Raster ein/a&us"));
    rea->setObjectName(QStringLiteral("cmdRea"));
    connect(rea, &QAction::triggered, this, [this] { modell_.rasterUmschalten(); });
    QAction* matrix = menuBar()->addAction(QString());
    beschrifte(matrix, QT_TRANSLATE_NOOP("MorLix", "Nachbar&matrix"));
    matrix->setObjectName(QStringLiteral("cmdMatrixdef"));
    connect(matrix, &QAction::triggered, this, &frmVireo::matrixOeffnen);

    // The program's own menus follow the designed ones, which keep their order and places.
    menuBar()->addMenu(bearbeiten);

    QMenu* regel = menue("cmdRegel", QT_TRANSLATE_NOOP("MorLix", "&Regel"));
    regelJetzt_ = regel->addAction(QString());
    regelJetzt_->setEnabled(false);
    regel->addSeparator();
    for (const werkbank::BenannteRegel& r : werkbank::Werkbank::benannteRegeln()) {
        const QString name = QString::fromStdString(r.name);
        QAction* a = regel->addAction(QString());
        a->setCheckable(true);
        a->setData(name);
        connect(a, &QAction::triggered, this, [this, n = r.notation] {
            melde(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Regel")), modell_.setzeRegelText(n));
        });
        regelNamen_ << a;
    }
    regel->addSeparator();
    connect(eintrag(regel, "cmdRegelEingeben", QT_TRANSLATE_NOOP("MorLix", "Regel &eingeben…")), &QAction::triggered,
            this, &frmVireo::regelEingeben);
    connect(eintrag(regel, "cmdZufallsregel", QT_TRANSLATE_NOOP("MorLix", "&Zufallsregel")), &QAction::triggered, this,
            &frmVireo::zufallsregel);
    beschrifteRegelNamen();

    QMenu* ansicht = menue("cmdAnsicht", QT_TRANSLATE_NOOP("MorLix", "&Ansicht"));
    QAction* verlauf = eintrag(ansicht, "cmdVerlauf", QT_TRANSLATE_NOOP("MorLix", "&Verlauf…"));
    verlauf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(verlauf, &QAction::triggered, this, &frmVireo::verlaufZeigen);
    QAction* zensus = eintrag(ansicht, "cmdZensus", QT_TRANSLATE_NOOP("MorLix", "&Zensus…"));
    zensus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(zensus, &QAction::triggered, this, &frmVireo::zensusZeigen);

    // Each language is named in itself, so that it can be found whatever the program speaks now.
    QMenu* sprache = menue("mnuSprache", QT_TRANSLATE_NOOP("MorLix", "&Sprache"));
    auto* gruppe = new QActionGroup(sprache);
    const std::pair<const char*, QString> sprachen[2] = {{"mnuDeutsch", QStringLiteral("&Deutsch")},
                                                         {"mnuEnglisch", QStringLiteral("&English")}};
    for (int k = 0; k < 2; ++k) {
        sprachen_[k] = sprache->addAction(sprachen[k].second);
        sprachen_[k]->setObjectName(QString::fromLatin1(sprachen[k].first));
        sprachen_[k]->setCheckable(true);
        gruppe->addAction(sprachen_[k]);
        connect(sprachen_[k], &QAction::triggered, this, [this, k] {
            const auto s = k == 0 ? texte::Sprache::deutsch : texte::Sprache::englisch;
            modell_.setzeSprache(s);
            merkeSprache(s);
        });
    }
}

void frmVireo::beschrifteRegelNamen() {
    // A rule's name is the same in every language; its letter is one the menu's own entries leave.
    QString belegt;
    for (QAction* a : findChild<QMenu*>(QStringLiteral("cmdRegel"))->actions())
        if (!regelNamen_.contains(a) && !kuerzel(a->text()).isNull()) belegt += kuerzel(a->text());
    const std::vector<werkbank::BenannteRegel> regeln = werkbank::Werkbank::benannteRegeln();
    for (qsizetype k = 0; k < regelNamen_.size(); ++k)
        regelNamen_[k]->setText(mitKuerzel(QString::fromStdString(regeln[std::size_t(k)].name), belegt) +
                                QLatin1Char('\t') + QString::fromStdString(regeln[std::size_t(k)].notation));
}

void frmVireo::zeigeRegel() {
    regelJetzt_->setText(QString::fromStdString(modell_.regelBeschreibung(modell_.sprache()))
                             .replace(QLatin1Char('&'), QStringLiteral("&&")));
    const QString name = QString::fromStdString(modell_.regelName());
    for (QAction* a : regelNamen_) a->setChecked(a->data().toString() == name);
}

void frmVireo::regelEingeben() {
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Regel eingeben"));
    const std::optional<QString> text = dialoge_.eingabe(
        this, titel,
        uebersetze(QT_TRANSLATE_NOOP("MorLix", "Regel als B/S („B36/S23“), als S/B („23/3“) oder mit Namen "
                                               "(„HighLife“), auch mit Gitter („B3/S23:T30,30“):")),
        QString::fromStdString(modell_.regelEingabeText()), QPoint(tw(100), tw(100)));
    if (text) melde(titel, modell_.setzeRegelText(text->toStdString()));
}

void frmVireo::zufallsregel() {
    const std::optional<Anteil> wahl = dialoge_.anteil(
        this, uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zufallsregel")),
        uebersetze(QT_TRANSLATE_NOOP("MorLix", "Jede Anzahl für Geburt und Überleben gilt mit der Chance:")), {},
        uebersetze(QT_TRANSLATE_NOOP("MorLix", "auch &Geburt bei 0 Nachbarn")));
    if (wahl) modell_.zufallsregel(wahl->prozent / 100.0, wahl->haken);
}

void frmVireo::zufallsfeld() {
    const std::optional<Anteil> wahl = dialoge_.anteil(
        this, uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zufallsfeld")),
        uebersetze(QT_TRANSLATE_NOOP("MorLix", "Das Feld neu füllen; jede Zelle lebt mit der Chance:")), {}, QString());
    if (wahl) modell_.zufallsfeld(wahl->prozent / 100.0);
}

void frmVireo::verlaufZeigen() {
    if (!verlauf_) verlauf_ = new frmVerlauf(modell_, dialoge_, this);
    nachVorn(verlauf_);
}

void frmVireo::zensusZeigen() {
    if (!zensus_) zensus_ = new frmZensus(modell_, dialoge_, this);
    nachVorn(zensus_);
}

void frmVireo::geaendert(std::uint32_t was) {
    for (Tafel* t : tafeln_) t->zeige(was);
    if (was & werkbank::kGroesse)
        for (int k = 0; k < 3; ++k) groessen_[k]->setChecked(k == modell_.groessenHaken());
    // The caption marks a changed world with Qt's placeholder.
    if (was & werkbank::kTitel) setWindowTitle(QString::fromStdString(modell_.titel()) + QStringLiteral("[*]"));
    if (was & werkbank::kSprache) {
        uebersetzer_.setze(modell_.sprache());
        sprachen_[0]->setChecked(modell_.sprache() == texte::Sprache::deutsch);
        sprachen_[1]->setChecked(modell_.sprache() == texte::Sprache::englisch);
    }
    if (was & werkbank::kChronik) zeigeChronik();
    if (was & (werkbank::kRegel | werkbank::kMaske)) zeigeRegel();
    if (verlauf_) verlauf_->zeige(was);
    if (zensus_) zensus_->zeige(was);
}

void frmVireo::zeigeChronik() {
    auto zeige = [this](QAction* aktion, const QString& verb, texte::Schrittname name) {
        const std::string schritt = texte::schritt(modell_.sprache(), name);
        aktion->setEnabled(!schritt.empty());
        aktion->setText(schritt.empty() ? verb : verb + QStringLiteral(": ") + QString::fromStdString(schritt));
    };
    zeige(rueckgaengig_, uebersetze(QT_TRANSLATE_NOOP("MorLix", "&Rückgängig")), modell_.rueckgaengigName());
    zeige(wiederholen_, uebersetze(QT_TRANSLATE_NOOP("MorLix", "&Wiederholen")), modell_.wiederholenName());
    setWindowModified(modell_.veraendert());
}

bool frmVireo::darfVerwerfen() {
    if (!modell_.veraendert()) return true;
    switch (dialoge_.frage(
        this, QString::fromLatin1(engine::kProgrammName),
        uebersetze(QT_TRANSLATE_NOOP("MorLix", "Die Welt wurde geändert. Änderungen speichern?")),
        {uebersetze(QT_TRANSLATE_NOOP("MorLix", "&Speichern")), uebersetze(QT_TRANSLATE_NOOP("MorLix", "&Verwerfen")),
         uebersetze(QT_TRANSLATE_NOOP("MorLix", "&Abbrechen"))})) {
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
        dialoge_.eingabe(this, uebersetze(QT_TRANSLATE_NOOP("MorLix", "Feldgröße wählen")),
                         uebersetze(QT_TRANSLATE_NOOP("MorLix", "gerade Zahl bis %1")).arg(engine::kMaxFeld),
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

void frmVireo::changeEvent(QEvent* ereignis) {
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() != QEvent::LanguageChange) return;
    beschrifteNeu(this);
    beschrifteRegelNamen();
    benenne(this);
    zeigeChronik();
    zeigeRegel();
    // What the help line said belongs to the language before.
    fusszeile_->zeigeHilfe(QString());
}

void frmVireo::closeEvent(QCloseEvent* ereignis) {
    ereignis->ignore();
    beenden();
}

}  // namespace ui
