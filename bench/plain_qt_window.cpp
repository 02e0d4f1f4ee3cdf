// A plain Qt window, the yardstick of the whole-process benchmark: how long
// Qt alone takes to put a window on the X server, and what an idle Qt
// program costs.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Plain Qt window"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A plain Qt window"), &window));
    window.resize(640, 400);
    window.show();
    return app.exec();
}
