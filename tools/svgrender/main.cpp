// Renders the pictures listed in a list file from their SVG sources.
//
//   svgrender <list file> <svg folder> <output folder>
//
// Each line of the list names an output file (below the output folder), its
// SVG source (below the svg folder), the colours that replace the source's
// "@C@" and "@A@" placeholders and, optionally, the size as WxH (the SVG's
// own size otherwise). Colours are "def", "sel" or "#rrggbb", and a second
// colour for "@A@" follows after "/". A template drawn for several pictures
// takes, after these, "text=<label>" for its "@T@" placeholder (no spaces),
// "turn=<0..3>" quarter turns for "@Q@" (in degrees) and "mirror", which
// makes its "@M@" -1 instead of 1 (to flip a part with scale(@M@,1)). Blank lines and lines starting with "#"
// are skipped. Every "...Def.<ext>" output must have its "...Sel.<ext>" twin in
// the list. The format of each output follows its suffix (png, ico, gif). A
// GIF output is an animation that plays for ever: twelve frames of its source
// with the "@R@" placeholder replaced by 0, 30, ... 330 (degrees to turn by).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTextStream>

#include "GifWriter.h"

#include <cstdio>

namespace {

struct Entry {
    int line = 0;
    QString output;
    QString source;
    QString colour;
    QString accent;
    QSize size;
    QString text;
    int quarterTurns = 0;
    bool mirror = false;
};

// An animation: twelve frames, each turned by 30 degrees, 80 ms apiece.
constexpr int kGifFrames = 12;
constexpr int kGifFrameDelay = 8; // in 1/100 s

void fail(const QString &message)
{
    std::fprintf(stderr, "svgrender: %s\n", qPrintable(message));
}

QString colourValue(const QString &name)
{
    if (name == QLatin1String("def"))
        return QStringLiteral("#cdcdcd");
    if (name == QLatin1String("sel"))
        return QStringLiteral("#ff8f1f");
    static const QRegularExpression hex(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    return hex.match(name).hasMatch() ? name : QString();
}

bool parseList(const QString &path, QList<Entry> *entries)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    QTextStream in(&file);
    int lineNumber = 0;
    bool ok = true;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")));
        Entry e;
        e.line = lineNumber;
        if (fields.size() < 3) {
            fail(QStringLiteral("%1:%2: expected: output source colour [WxH] [text=..] [turn=N] [mirror]")
                     .arg(path)
                     .arg(lineNumber));
            ok = false;
            continue;
        }
        e.output = fields.at(0);
        e.source = fields.at(1);
        const QStringList colours = fields.at(2).split(QLatin1Char('/'));
        e.colour = colourValue(colours.value(0));
        e.accent = colours.size() > 1 ? colourValue(colours.at(1)) : e.colour;
        if (e.colour.isEmpty() || e.accent.isEmpty() || colours.size() > 2) {
            fail(QStringLiteral("%1:%2: bad colour %3").arg(path).arg(lineNumber).arg(fields.at(2)));
            ok = false;
        }
        static const QRegularExpression sizeField(QStringLiteral("^(\\d+)x(\\d+)$"));
        static const QRegularExpression labelText(QStringLiteral("^[A-Za-z0-9+\\-]{1,4}$"));
        for (int i = 3; i < fields.size(); ++i) {
            const QString &field = fields.at(i);
            bool fieldOk = true;
            if (const QRegularExpressionMatch m = sizeField.match(field); m.hasMatch() && !e.size.isValid()) {
                const int w = m.captured(1).toInt();
                const int h = m.captured(2).toInt();
                fieldOk = w > 0 && h > 0 && w <= 4096 && h <= 4096;
                e.size = QSize(w, h);
            } else if (field.startsWith(QLatin1String("text=")) && e.text.isEmpty()) {
                e.text = field.mid(5);
                fieldOk = labelText.match(e.text).hasMatch();
            } else if (field.startsWith(QLatin1String("turn="))) {
                e.quarterTurns = field.mid(5).toInt(&fieldOk);
                fieldOk = fieldOk && e.quarterTurns >= 0 && e.quarterTurns <= 3;
            } else if (field == QLatin1String("mirror")) {
                e.mirror = true;
            } else {
                fieldOk = false;
            }
            if (!fieldOk) {
                fail(QStringLiteral("%1:%2: bad field %3").arg(path).arg(lineNumber).arg(field));
                ok = false;
            }
        }
        if (e.output.contains(QLatin1String("..")) || QDir::isAbsolutePath(e.output)
            || e.source.contains(QLatin1String("..")) || QDir::isAbsolutePath(e.source)) {
            fail(QStringLiteral("%1:%2: paths must stay below their folders").arg(path).arg(lineNumber));
            ok = false;
        }
        entries->append(e);
    }
    return ok;
}

// Every normal picture has its selected twin.
bool checkTwins(const QList<Entry> &entries)
{
    QSet<QString> outputs;
    for (const Entry &e : entries) {
        if (outputs.contains(e.output)) {
            fail(QStringLiteral("%1 is listed twice").arg(e.output));
            return false;
        }
        outputs.insert(e.output);
    }
    static const QRegularExpression def(QStringLiteral("Def(\\.[A-Za-z]+)$"));
    bool ok = true;
    for (const Entry &e : entries) {
        const QRegularExpressionMatch m = def.match(e.output);
        if (!m.hasMatch())
            continue;
        QString twin = e.output;
        twin.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("Sel") + m.captured(1));
        if (!outputs.contains(twin)) {
            fail(QStringLiteral("%1 has no twin %2").arg(e.output, twin));
            ok = false;
        }
    }
    return ok;
}

bool render(const Entry &e, const QString &svgDir, const QString &outDir, QHash<QString, QByteArray> *cache)
{
    const QString sourcePath = svgDir + QLatin1Char('/') + e.source;
    if (!cache->contains(sourcePath)) {
        QFile file(sourcePath);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("line %1: cannot read %2").arg(e.line).arg(sourcePath));
            return false;
        }
        cache->insert(sourcePath, file.readAll());
    }
    QByteArray svg = cache->value(sourcePath);
    svg.replace("@C@", e.colour.toLatin1());
    svg.replace("@A@", e.accent.toLatin1());
    svg.replace("@T@", e.text.toLatin1()); // letters, digits, + and - only
    svg.replace("@Q@", QByteArray::number(e.quarterTurns * 90));
    svg.replace("@M@", e.mirror ? "-1" : "1");

    // A GIF is a turn of its source: frame k replaces "@R@" by k turn steps.
    const QByteArray format = QFileInfo(e.output).suffix().toLower().toLatin1();
    const int frameCount = format == "gif" ? kGifFrames : 1;
    QVector<QImage> frames;
    for (int k = 0; k < frameCount; ++k) {
        QByteArray frameSvg = svg;
        frameSvg.replace("@R@", QByteArray::number(k * 360 / kGifFrames));
        QSvgRenderer renderer(frameSvg);
        if (!renderer.isValid()) {
            fail(QStringLiteral("line %1: %2 is not a valid SVG").arg(e.line).arg(sourcePath));
            return false;
        }
        const QSize size = e.size.isValid() ? e.size : renderer.defaultSize();
        if (size.isEmpty()) {
            fail(QStringLiteral("line %1: %2 has no size").arg(e.line).arg(sourcePath));
            return false;
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        frames.append(image);
    }

    const QString outPath = outDir + QLatin1Char('/') + e.output;
    QDir().mkpath(QFileInfo(outPath).absolutePath());
    // Write beside and rename, so that a failed run never leaves half a picture.
    const QString tmpPath = outPath + QStringLiteral(".part");
    bool written = false;
    if (format == "gif") {
        const QByteArray gif = GifWriter::encode(frames, kGifFrameDelay);
        QFile file(tmpPath);
        written = !gif.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(gif) == gif.size();
    } else {
        written = frames.first().save(tmpPath, format.constData());
    }
    if (!written) {
        QFile::remove(tmpPath);
        fail(QStringLiteral("line %1: cannot write %2").arg(e.line).arg(outPath));
        return false;
    }
    QFile::remove(outPath);
    if (!QFile::rename(tmpPath, outPath)) {
        fail(QStringLiteral("line %1: cannot write %2").arg(e.line).arg(outPath));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        fail(QStringLiteral("usage: svgrender <list file> <svg folder> <output folder>"));
        return 2;
    }

    QList<Entry> entries;
    if (!parseList(args.at(1), &entries) || !checkTwins(entries))
        return 1;

    QHash<QString, QByteArray> cache;
    bool ok = true;
    for (const Entry &e : qAsConst(entries))
        ok = render(e, args.at(2), args.at(3), &cache) && ok;
    return ok ? 0 : 1;
}
