// Figures of the settings dialog over the main window with a simulated
// keyboard open: opening the dialog (targets: 80 ms), and a language switch
// from the language box's change to the last retranslated widget of the main
// window, the device page with its feature pages and the dialog (target:
// 250 ms). The two languages are the test fixtures, built beside this program.
#include "core/DDataManager.h"
#include "core/QtLinguist.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"

#include "BenchGui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void report(const char *what, std::vector<double> ms, double target)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %7.2f ms   max %7.2f ms   (target %.0f ms, %zu runs)\n", what, ms[ms.size() / 2],
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
    std::vector<double> switched;
    std::vector<double> settled;
    for (int i = 0; i < runs; ++i) {
        const QString next = i % 2 ? QStringLiteral("Français") : QStringLiteral("Deutsch");
        QElapsedTimer timer;
        timer.start();
        languages->setCurrentText(next);
        switched.push_back(millis(timer));
        // The layouts and repaints the new texts asked for.
        QCoreApplication::sendPostedEvents();
        window.grab();
        settled.push_back(millis(timer));
        if (languages->currentText() != next)
            std::printf("the switch to %s did not happen\n", qPrintable(next));
        idle(20);
    }

    report("open: click to dialog built and shown", construct, 80);
    report("open: click to first frame painted", shown, 80);
    report("language: change to last widget retranslated", switched, 250);
    report("language: change to main window repainted", settled, 250);
    return 0;
}
