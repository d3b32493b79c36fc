#include "ui/sprache.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QStringList>

namespace ui {

namespace {

constexpr char kQuelle[] = "morlixQuelle";

// Where the user's choice is kept; tests point the user scope of QSettings elsewhere.
constexpr char kOrganisation[] = "MorLix";
constexpr char kAnwendung[] = "morlix";

void zeige(QObject* o, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(text);
        if (l->property(kPassend).toBool()) l->adjustSize();
    } else if (auto* k = qobject_cast<QAbstractButton*>(o)) {
        k->setText(text);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(text);
    } else if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(text);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setWindowTitle(text);
    }
}

}  // namespace

QString uebersetze(const char* quelle) { return QCoreApplication::translate(kKontext, quelle); }

void beschrifte(QObject* o, const char* quelle) {
    // A control without a caption may show a picture, which a caption would replace.
    if (!quelle || !*quelle) return;
    o->setProperty(kQuelle, QByteArray(quelle));
    zeige(o, uebersetze(quelle));
}

QString beschriftungVon(const QObject* o) {
    const QVariant quelle = o->property(kQuelle);
    return quelle.isValid() ? uebersetze(quelle.toByteArray().constData()) : QString();
}

void beschrifteNeu(QObject* wurzel) {
    QList<QObject*> alle = wurzel->findChildren<QObject*>();
    alle.prepend(wurzel);
    for (QObject* o : alle) {
        const QVariant quelle = o->property(kQuelle);
        if (quelle.isValid()) zeige(o, uebersetze(quelle.toByteArray().constData()));
    }
}

void Uebersetzer::setze(texte::Sprache sprache) {
    // Every change report with all bits (undo, start-up) comes here: only a new language re-labels.
    if (installiert_ && sprache == sprache_) return;
    sprache_ = sprache;
    if (installiert_) {
        QCoreApplication::removeTranslator(&programm_);
        QCoreApplication::removeTranslator(&qt_);
    }
    const bool deutsch = sprache == texte::Sprache::deutsch;
    const QLocale locale =
        deutsch ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::English, QLocale::UnitedKingdom);
    QLocale::setDefault(locale);
    // German is the source language: only English needs the program's catalogue.
    if (!deutsch && programm_.load(QStringLiteral(":/i18n/morlix_en.qm")))
        QCoreApplication::installTranslator(&programm_);
    if (deutsch && qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    installiert_ = true;
}

texte::Sprache startSprache(const QStringList& argumente) {
    for (const QString& a : argumente)
        if (a.startsWith(QStringLiteral("--sprache=")))
            if (const auto s = texte::spracheAus(a.mid(10).toStdString())) return *s;
    const QSettings einstellungen{QLatin1String(kOrganisation), QLatin1String(kAnwendung)};
    const auto gemerkt = texte::spracheAus(einstellungen.value(QStringLiteral("sprache")).toString().toStdString());
    return gemerkt.value_or(texte::Sprache::deutsch);
}

void merkeSprache(texte::Sprache sprache) {
    QSettings einstellungen{QLatin1String(kOrganisation), QLatin1String(kAnwendung)};
    einstellungen.setValue(QStringLiteral("sprache"), QString::fromLatin1(texte::kuerzel(sprache)));
}

}  // namespace ui
