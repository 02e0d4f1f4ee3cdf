// Writes the default custom-light file of a key layout.
//
//   customlightgen <layout file> <output file>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

#include "CustomLightDefaultsWriter.h"
#include "ui/mainwidget/devicePage/KeyLayoutFile.h"

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "customlightgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: customlightgen <layout file> <output file>"));
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(args.at(1)));
    KeyLayoutFile layout;
    if (!layout.parse(in.readAll()))
        return fail(QStringLiteral("%1: %2").arg(args.at(1), layout.errorText()));

    QStringList missing;
    const QByteArray text = CustomLightDefaultsWriter::write(layout, &missing);
    if (!missing.isEmpty())
        std::fprintf(stderr, "customlightgen: %s lacks the keys %s; they are left out\n", qPrintable(args.at(1)),
                     qPrintable(missing.join(QLatin1Char(' '))));
    QSaveFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return fail(QStringLiteral("cannot write %1").arg(args.at(2)));
    return 0;
}
