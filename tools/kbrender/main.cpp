// Renders the keyboard pictures of one model from its key layout file.
//
//   kbrender <model> <layout file> <output folder>
//
// Writes "Keyboard_<model>.png" and the mode variants "Keyboard_<model>_0.png",
// "_1" and "_2" into the output folder (created when missing). The picture
// has the size of the model's canvas in the keyboard view, twice over.
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

#include "KeyboardPictureRenderer.h"
#include "ui/mainwidget/devicePage/KeyLayoutFile.h"
#include "ui/mainwidget/devicePage/KeyboardModelTable.h"

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "kbrender: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: kbrender <model> <layout file> <output folder>"));
    const QString model = args.at(1);
    const QString layoutPath = args.at(2);
    const QDir outDir(args.at(3));

    QFile file(layoutPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(layoutPath));
    KeyLayoutFile layout;
    if (!layout.parse(file.readAll()))
        return fail(QStringLiteral("%1: %2").arg(layoutPath, layout.errorText()));
    const QSize base = KeyboardModelTable::canvasBaseSize(model);
    if (base.isEmpty())
        return fail(QStringLiteral("the keyboard view has no canvas size for the model %1").arg(model));
    if (!outDir.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create %1").arg(outDir.path()));

    const KeyboardPictureRenderer renderer(layout, base);
    for (int variant = -1; variant <= 2; ++variant) {
        const QString name = variant < 0 ? QStringLiteral("Keyboard_%1.png").arg(model)
                                         : QStringLiteral("Keyboard_%1_%2.png").arg(model).arg(variant);
        const QString path = outDir.filePath(name);
        if (!renderer.render(variant).save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    return 0;
}
