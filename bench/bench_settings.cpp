// Figures of the settings dialog over the main window with a simulated
// keyboard open: opening the dialog (targets: 80 ms), and a language switch
// from the language box's change to the last retranslated widget of the main
// window, the device page with its feature pages and the dialog (target:
// 250 ms), for each of the sixteen shipped translations built beside this
// program; and loading the largest translation file (target: 20 ms).
#include "core/DDataManager.h"
#include "core/QtLinguist.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"

#include "BenchGui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void report(const char *what, std::vector<double> ms, double target)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-64s median %7.2f ms   max %7.2f ms   (target %.0f ms, %zu runs)\n", what, ms[ms.size() / 2],
                ms.back(), target, ms.size());
}

} // namespace

using bench::idle;
using bench::millis;

int main(int argc, char **argv)
{
    // A home of its own, so that the user's settings stay untouched.
    QTemporaryDir home;
    bench::prepareApplication(home, "LT108HE");

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    new QtLinguist(&app);

    DMainWidget window;
    window.setGeometry(0, 0, 1366, 768);
    window.show();
    // Enumeration and the open sequence of the keyboard.
    idle(3000);
    std::printf("keyboards listed: %d, key buttons: %d\n", int(window.devicePage()->deviceInfoMap().size()),
                int(DDataManager::getInstance()->keyButtonList().size()));

    auto *settingsButton = window.findChild<QAbstractButton *>(QStringLiteral("pushButton_Setting"));
    if (!settingsButton) {
        std::printf("no settings button\n");
        return 1;
    }

    const int runs = 25;
    std::vector<double> construct;
    std::vector<double> shown;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        settingsButton->click();
        auto *dialog = window.findChild<DSettingsDia *>();
        const double built = millis(timer);
        // Polish, layout and the first frame.
        QCoreApplication::sendPostedEvents();
        dialog->grab();
        construct.push_back(built);
        shown.push_back(millis(timer));
        dialog->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        idle(20);
    }

    settingsButton->click();
    auto *dialog = window.findChild<DSettingsDia *>();
    auto *languages = dialog->findChild<QComboBox *>(QStringLiteral("comboBox_Language"));
    // Each language of the box in turn, from the one before it, several rounds.
    const int rounds = 5;
    QMap<QString, std::vector<double>> switched;
    QMap<QString, std::vector<double>> settled;
    std::vector<double> allSwitched;
    std::vector<double> allSettled;
    for (int round = 0; round < rounds; ++round) {
        for (int position = 0; position < languages->count(); ++position) {
            const int target = (position + 1) % languages->count();
            const QString next = languages->itemText(target);
            QElapsedTimer timer;
            timer.start();
            languages->setCurrentIndex(target);
            const double change = millis(timer);
            // The layouts, repaints and texts set again that the new language
            // asked for.
            QCoreApplication::sendPostedEvents();
            window.grab();
            const double repainted = millis(timer);
            switched[next].push_back(change);
            settled[next].push_back(repainted);
            allSwitched.push_back(change);
            allSettled.push_back(repainted);
            if (languages->currentText() != next)
                std::printf("the switch to %s did not happen\n", qPrintable(next));
            idle(20);
        }
    }

    // Loading the largest translation file.
    const QFileInfoList files = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/translation"))
                                    .entryInfoList({QStringLiteral("*.qm")}, QDir::Files, QDir::Size);
    std::vector<double> loaded;
    if (!files.isEmpty()) {
        for (int i = 0; i < runs; ++i) {
            QTranslator translator;
            QElapsedTimer timer;
            timer.start();
            if (!translator.load(files.constFirst().absoluteFilePath()))
                std::printf("%s does not load\n", qPrintable(files.constFirst().fileName()));
            loaded.push_back(millis(timer));
        }
    }

    report("open: click to dialog built and shown", construct, 80);
    report("open: click to first frame painted", shown, 80);
    for (auto it = switched.cbegin(); it != switched.cend(); ++it) {
        report(qPrintable(QStringLiteral("language %1: change to last widget retranslated").arg(it.key())), it.value(),
               250);
        report(qPrintable(QStringLiteral("language %1: change to main window repainted").arg(it.key())),
               settled.value(it.key()), 250);
    }
    report("language, all: change to last widget retranslated", allSwitched, 250);
    report("language, all: change to main window repainted", allSettled, 250);
    if (!loaded.empty()) {
        std::printf("largest translation: %s, %lld bytes\n", qPrintable(files.constFirst().fileName()),
                    static_cast<long long>(files.constFirst().size()));
        report("translation: load of the largest file", loaded, 20);
    }
    return 0;
}
