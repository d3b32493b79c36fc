#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "run/uhr.h"
#include "storage/dateizugriff.h"
#include "storage/gifanimation.h"
#include "ui/bausteine.h"
#include "ui/frmvireo.h"

namespace ui {

namespace {

/// The size text of a frame drawn for a file is not shown anywhere.
class KeinText : public view::TextFeld {
public:
    void setzeText(const std::string&) override {}
};

/// The path with the ending added unless it already ends so (in any case).
QString mitEndung(const QString& pfad, const QString& endung) {
    return pfad.endsWith(endung, Qt::CaseInsensitive) ? pfad : pfad + endung;
}

}  // namespace

void frmVireo::baueBilder() {
    cmdDatei->addSeparator();
    cmdBild = cmdDatei->addAction(QStringLiteral("Bild speichern…"));
    cmdBild->setObjectName(QStringLiteral("cmdBild"));
    connect(cmdBild, &QAction::triggered, this, &frmVireo::cmdBild_Click);
    cmdAnimation = cmdDatei->addAction(QStringLiteral("Animation speichern…"));
    cmdAnimation->setObjectName(QStringLiteral("cmdAnimation"));
    connect(cmdAnimation, &QAction::triggered, this, &frmVireo::cmdAnimation_Click);

    txtBefund = textfeld(client_, QStringLiteral("txtBefund"), QString(), kBefundLinks, 10020, kBefundBreite, 360);
    txtBefund->setReadOnly(true);
    txtBefund->setFocusPolicy(Qt::NoFocus);
    txtBefund->setAlignment(Qt::AlignCenter);

    // A new rule, edge or neighbourhood makes what came before no longer the same run.
    for (auto* kasten : Check1) connect(kasten, &QCheckBox::stateChanged, this, &frmVireo::neuerLauf);
    for (auto* kasten : Check2) connect(kasten, &QCheckBox::stateChanged, this, &frmVireo::neuerLauf);
    for (auto* knopf : Option1) connect(knopf, &QRadioButton::toggled, this, &frmVireo::neuerLauf);
}

void frmVireo::neuerLauf() {
    periodensuche_.neuerLauf(*welt_);
    zeigeBefund();
}

void frmVireo::schrittGesehen() {
    periodensuche_.nachSchritt(*welt_);
    zeigeBefund();
}

void frmVireo::zeigeBefund() {
    txtBefund->setText(QString::fromStdString(history::befundText(periodensuche_.befund())));
}

void frmVireo::cmdBild_Click() {
    const std::optional<QString> gewaehlt =
        dialoge_.dateiSpeichern(this, QDir::currentPath(), bildName_.isEmpty() ? QStringLiteral("MorLix.png") : bildName_);
    if (!gewaehlt) return;
    const QString pfad = mitEndung(*gewaehlt, QStringLiteral(".png"));
    bildName_ = pfad;

    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    const bool kodiert = flaeche_.bild().save(&puffer, "PNG");
    speichereDatei(QStringLiteral("Bild speichern"), pfad,
                   kodiert ? std::optional(png.toStdString()) : std::nullopt, "das Bild lässt sich nicht kodieren");
}

void frmVireo::cmdAnimation_Click() {
    const std::optional<QString> gewaehlt = dialoge_.dateiSpeichern(
        this, QDir::currentPath(), animationName_.isEmpty() ? QStringLiteral("MorLix.gif") : animationName_);
    if (!gewaehlt) return;
    const QString pfad = mitEndung(*gewaehlt, QStringLiteral(".gif"));
    animationName_ = pfad;

    const int n = welt_->feldGroesse;
    // Background first; every colour a frame can hold once.
    std::vector<std::uint32_t> farben;
    auto nimm = [&farben](view::Farbe f) {
        const std::uint32_t rgb = aufloesen(f) & 0xFFFFFF;
        if (std::find(farben.begin(), farben.end(), rgb) == farben.end()) farben.push_back(rgb);
    };
    nimm(flaeche_.hintergrund());
    if (anzeige_.rasterFarbe != flaeche_.hintergrund()) nimm(Picture13->farbe());
    for (int v = 1; v <= 3; ++v) nimm(anzeige_.zellFarbe[v]);

    QtZeichenflaeche flaeche(flaeche_.bild().width(), flaeche_.bild().height(), flaeche_.hintergrund());
    const int breite = flaeche.bild().width();
    const int hoehe = flaeche.bild().height();
    storage::GifAnimation gif(breite, hoehe, farben, run::intervallMs(run::reglerWert(HScroll1->value())) / 10);
    KeinText keinText;
    auto bild = std::make_unique<engine::Welt>();  // one remembered state at a time
    bild->feldGroesse = n;
    std::vector<std::uint8_t> indizes(static_cast<std::size_t>(breite) * hoehe);

    // Before the first step of a run only the present belongs to it.
    const int staende = periodensuche_.staende();
    for (int i = 0; i < std::max(staende, 1); ++i) {
        if (staende == 0) {
            view::zeichneFeld(flaeche, keinText, *welt_, anzeige_, Picture13->farbe(), n);
        } else {
            const int slot = periodensuche_.slot(i);
            for (int x = 0; x < engine::kDim; ++x)
                for (int y = 0; y < engine::kDim; ++y) bild->zelle[x][y] = welt_->gedaechtnis(x, y, slot);
            view::zeichneFeld(flaeche, keinText, *bild, anzeige_, Picture13->farbe(), n);
        }
        std::size_t k = 0;
        std::uint8_t letzter = 0;
        for (int y = 0; y < hoehe; ++y) {
            const QRgb* zeile = reinterpret_cast<const QRgb*>(flaeche.bild().constScanLine(y));
            for (int x = 0; x < breite; ++x) {
                const std::uint32_t farbe = zeile[x] & 0xFFFFFF;
                if (farben[letzter] != farbe) {
                    const auto gefunden = std::find(farben.begin(), farben.end(), farbe);
                    letzter = gefunden == farben.end() ? 0 : static_cast<std::uint8_t>(gefunden - farben.begin());
                }
                indizes[k++] = letzter;
            }
        }
        if (!gif.bild(indizes.data())) break;
    }
    speichereDatei(QStringLiteral("Animation speichern"), pfad, gif.fertig(), gif.fehler());
}

void frmVireo::speichereDatei(const QString& titel, const QString& pfad, const std::optional<std::string>& inhalt,
                              const std::string& kodierFehler) {
    const std::string fehler =
        inhalt ? storage::speichereSicher(QFile::encodeName(pfad).toStdString(), *inhalt) : kodierFehler;
    if (fehler.empty()) return;
    dialoge_.warnung(this, titel,
                     QStringLiteral("Die Datei „%1“ lässt sich nicht speichern: %2.")
                         .arg(QDir::toNativeSeparators(pfad), QString::fromStdString(fehler)));
}

}  // namespace ui
