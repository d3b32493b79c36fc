#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

using fensterhilfe::finde;
using fensterhilfe::zellPixel;

/// Closing the main window with the close box ends the program.
class TestEnde : public QObject {
    Q_OBJECT

    FakeDialoge dialoge;
    std::unique_ptr<ui::frmVireo> f;

    QString text(const char* name) { return finde<QLineEdit>(f.get(), name)->text(); }

    /// Runs an event loop until the program asks to end; false when it does not within two seconds.
    static bool endetBei(const std::function<void()>& ausloeser) {
        QEventLoop schleife;
        QTimer::singleShot(0, ausloeser);
        QTimer::singleShot(2000, &schleife, [&] { schleife.exit(99); });
        return schleife.exec() == 0;
    }

private slots:
    void init() {
        f = std::make_unique<ui::frmVireo>(dialoge);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    void theCloseBoxEndsTheProgramAlsoAfterTheMatrixWindowWasOpen() {
        finde<QAction>(f.get(), "cmdMatrixdef")->trigger();
        QWidget* matrix = QApplication::activeModalWidget();
        QVERIFY(matrix);
        matrix->close();
        QVERIFY(endetBei([this] { f->close(); }));
    }
};

QTEST_MAIN(TestEnde)
#include "test_frmvireo_ende.moc"
