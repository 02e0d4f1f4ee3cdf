// The firmware update window left open, as it opens by itself at start
// whenever a newer firmware exists: its warning line moves all the time.
// Measured in this process, which shows nothing else (a plain window under
// the update window): the whole process's CPU in percent of one core, the
// paint events the window's widgets get per second and the pixels they
// repaint per second, over the window open, the window hidden, and no
// window at all (the floor). For comparison, in the same run, the open
// window with its warning line given the faint translucent veil it had
// before (its text then moves by repainting what lies beneath). On a private Xvfb when Xvfb is installed (the
// frames then really go to an X server), off screen otherwise.
//
// Target: the open window costs at most 0.5 % of a core above the floor.
//
// Usage: bench_updatewindow [measure-seconds]
#include "core/DDataManager.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "widgets/TextMoveWidget.h"

#include "BenchCpu.h"
#include "BenchGui.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

hidStructInfoAll candidate(const char *path, const char *model, const char *product, const char *like, int connectType)
{
    hidStructInfoAll r = {};
    lumtarCopyField(r.hidPath, path);
    lumtarCopyField(r.hidModel, model);
    lumtarCopyField(r.productName, product);
    lumtarCopyField(r.likeName, like);
    lumtarCopyField(r.firmwareVersion, "V1.00.06");
    lumtarCopyField(r.newFirmwareVersion, "V1.00.07");
    r.connectType = connectType;
    r.isOnline = 1;
    return r;
}

// Paint events of one window's widgets, and the pixels they cover.
class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget *window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    void reset()
    {
        events = 0;
        pixels = 0;
    }
    long long events = 0;
    long long pixels = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            ++events;
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        }
        return false;
    }

private:
    QWidget *m_window;
};

void measure(const char *what, int seconds, PaintCount *paints)
{
    bench::idle(1000); // settle
    if (paints)
        paints->reset();
    const double cpu = bench::processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    bench::idle(seconds * 1000);
    const double wall = double(clock.elapsed()) / 1000.0;
    const double percent = 100.0 * (bench::processCpuSeconds() - cpu) / wall;
    if (paints)
        std::printf("%-34s %6.2f %% of a core   %6.1f paints/s   %9.0f pixels/s\n", what, percent,
                    double(paints->events) / wall, double(paints->pixels) / wall);
    else
        std::printf("%-34s %6.2f %% of a core\n", what, percent);
}

} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir home;
    XvfbServer xvfb(QSize(1366, 768));
    const bool onX = XvfbServer::available() && xvfb.start();
    if (onX)
        qputenv("QT_QPA_PLATFORM", "xcb");
    bench::prepareApplication(home, "");
    QApplication app(argc, argv);
    DDataManager::getInstance();
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));

    QWidget below;
    below.setGeometry(0, 0, 1366, 768);
    below.show();
    measure("no update window (floor)", seconds, nullptr);

    auto *dialog = new DUpdateFirmwareDia(&below);
    dialog->setDevices({candidate("p/1", "LT108HE", "Lumtar LT108 HE", "LT108 HE", 0),
                        candidate("p/2", "LT68HE", "Lumtar LT68 HE", "LT68 HE", 0),
                        candidate("p/3", "LT108HE", "Lumtar LT108 HE", "LT108 HE", 1)},
                       {});
    dialog->move(313, 124);
    dialog->show();
    PaintCount paints(dialog);
    measure("update window open", seconds, &paints);
    auto *marquee = dialog->findChild<TextMoveWidget *>();
    std::printf("%-34s %s\n", "warning line moving", marquee && marquee->isMoving() ? "yes" : "no");
    if (marquee) {
        const QColor shipped = marquee->palette().color(QPalette::Window);
        marquee->setBackground(QColor(0, 0, 0, 1));
        measure("open, line on a translucent veil", seconds, &paints);
        marquee->setBackground(shipped);
        measure("update window open again", seconds, &paints);
    }

    dialog->hide();
    measure("update window hidden", seconds, &paints);
    std::printf("%-34s %s\n", "warning line moving", marquee && marquee->isMoving() ? "yes" : "no");
    delete dialog;
    return 0;
}
