#include "ui/macro/MacroExchangeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMap>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstring>

namespace {

const char *const kFields[] = {"mark", "delay", "type", "keyCode", "codeName", "operateExplain"};

template <size_t N>
QString fieldText(const char (&field)[N], bool utf8)
{
    const int length = static_cast<int>(strnlen(field, N));
    return utf8 ? QString::fromUtf8(field, length) : QString::fromLatin1(field, length);
}

template <size_t N>
bool copyField(char (&field)[N], const QByteArray &text)
{
    if (text.size() >= static_cast<int>(N) || text.contains('\0'))
        return false;
    std::memcpy(field, text.constData(), static_cast<size_t>(text.size()));
    field[text.size()] = '\0';
    return true;
}

// A whole decimal number (digits only) within [low, high].
bool wholeNumber(const QString &text, long low, long high, long *value)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    const long v = text.toLong();
    if (v < low || v > high)
        return false;
    *value = v;
    return true;
}

bool isMousePress(long code)
{
    return code == 513 || code == 516 || code == 519;
}

bool isMouseRelease(long code)
{
    return code == 514 || code == 517 || code == 520;
}

struct OpenPress
{
    QString type;
    long code = 0;
    bool released = false;
};

} // namespace

QByteArray MacroExchangeFile::write(const QString &macroIndex, const QString &macroName,
                                    const std::list<KeyOrMouseEventStu> &events)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setCodec("utf-8");
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Parameters"));
    writer.writeAttribute(QStringLiteral("profileIndex"), QStringLiteral("1"));
    writer.writeStartElement(QStringLiteral("macro"));
    writer.writeAttribute(QStringLiteral("index"), macroIndex);
    writer.writeAttribute(QStringLiteral("name"), macroName);
    for (const KeyOrMouseEventStu &e : events) {
        writer.writeEmptyElement(QStringLiteral("item"));
        writer.writeAttribute(QStringLiteral("mark"), fieldText(e.mark, false));
        writer.writeAttribute(QStringLiteral("delay"), fieldText(e.delay, false));
        writer.writeAttribute(QStringLiteral("type"), fieldText(e.type, false));
        writer.writeAttribute(QStringLiteral("keyCode"), fieldText(e.keyCode, false));
        writer.writeAttribute(QStringLiteral("codeName"), fieldText(e.codeName, true));
        writer.writeAttribute(QStringLiteral("operateExplain"), fieldText(e.operateExplain, false));
    }
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return out;
}

MacroExchangeFile::ReadResult MacroExchangeFile::read(const QByteArray &data)
{
    ReadResult result;
    const auto refuse = [&result](const QString &why) {
        result.ok = false;
        result.error = why;
        result.events.clear();
        return result;
    };
    if (data.size() > kMaxFileBytes)
        return refuse(QStringLiteral("the file is larger than 1 MiB"));

    QXmlStreamReader reader(data);
    int presses = 0;
    QMap<long, OpenPress> marks;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (!attributes.hasAttribute(QStringLiteral("mark")) || !attributes.hasAttribute(QStringLiteral("type")))
            continue;
        if (static_cast<int>(result.events.size()) >= kMaxEvents)
            return refuse(QStringLiteral("more than %1 events").arg(kMaxEvents));
        QString values[6];
        for (int i = 0; i < 6; ++i)
            values[i] = attributes.value(QLatin1String(kFields[i])).toString();
        const QString &markText = values[0], &delayText = values[1], &type = values[2], &codeText = values[3],
                      &operate = values[5];
        const int line = static_cast<int>(reader.lineNumber());
        const auto refuseEvent = [&](const QString &why) {
            return refuse(QStringLiteral("line %1: %2").arg(line).arg(why));
        };
        long mark = 0, delay = 0, code = 0;
        if (!wholeNumber(markText, 0, 999999, &mark))
            return refuseEvent(QStringLiteral("the mark is not a whole number from 0 to 999999"));
        if (!delayText.isEmpty() && !wholeNumber(delayText, 0, MacroLimits::MaxDelay, &delay))
            return refuseEvent(QStringLiteral("the delay is not a whole number from 0 to %1").arg(MacroLimits::MaxDelay));
        if (type != QLatin1String("key") && type != QLatin1String("mouse"))
            return refuseEvent(QStringLiteral("the type is neither \"key\" nor \"mouse\""));
        const bool down = operate == QLatin1String("down");
        if (!down && operate != QLatin1String("up"))
            return refuseEvent(QStringLiteral("the event is neither \"down\" nor \"up\""));
        if (type == QLatin1String("key")) {
            if (!wholeNumber(codeText, 1, 255, &code))
                return refuseEvent(QStringLiteral("the key code is not a whole number from 1 to 255"));
        } else if (!wholeNumber(codeText, 0, 999, &code) || !(down ? isMousePress(code) : isMouseRelease(code))) {
            return refuseEvent(QStringLiteral("the mouse code does not name a button %1").arg(operate));
        }
        // Presses are whole down-then-up pairs of one key or button: a lone
        // "down" would leave the key held when the macro plays.
        if (down) {
            if (marks.contains(mark))
                return refuseEvent(QStringLiteral("mark %1 is pressed twice").arg(mark));
            if (++presses > kMaxPresses)
                return refuse(QStringLiteral("more than %1 presses").arg(kMaxPresses));
            marks.insert(mark, OpenPress{type, code, false});
        } else {
            auto press = marks.find(mark);
            if (press == marks.end() || press->released)
                return refuseEvent(QStringLiteral("mark %1 is released without its press").arg(mark));
            const long expected = type == QLatin1String("mouse") ? press->code + 1 : press->code;
            if (press->type != type || code != expected)
                return refuseEvent(QStringLiteral("mark %1 is released on another key").arg(mark));
            press->released = true;
        }
        KeyOrMouseEventStu event;
        std::memset(&event, 0, sizeof event);
        const bool fits = copyField(event.mark, markText.toLatin1()) && copyField(event.delay, delayText.toLatin1())
            && copyField(event.type, type.toLatin1()) && copyField(event.keyCode, codeText.toLatin1())
            && copyField(event.codeName, values[4].toUtf8()) && copyField(event.operateExplain, operate.toLatin1());
        if (!fits)
            return refuseEvent(QStringLiteral("a value is longer than its field"));
        result.events.push_back(event);
    }
    if (reader.hasError())
        return refuse(reader.errorString());
    for (auto it = marks.cbegin(); it != marks.cend(); ++it)
        if (!it->released)
            return refuse(QStringLiteral("mark %1 is pressed and never released").arg(it.key()));
    result.ok = true;
    return result;
}

QString MacroExchangeFile::importedMacroName(const QString &filePath, int newIndex)
{
    const QString fileName = QFileInfo(filePath).fileName();
    const int dot = fileName.indexOf(QLatin1Char('.'));
    const QString name = dot < 0 ? fileName : fileName.left(dot);
    return name.isEmpty() ? QStringLiteral("Macro%1").arg(newIndex) : name;
}

QString MacroExchangeFile::exportBaseName(const QString &macroName)
{
    QString out;
    out.reserve(macroName.size());
    for (const QChar c : macroName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            continue;
        out.append(c);
    }
    int lead = 0;
    while (lead < out.size() && (out.at(lead) == QLatin1Char('.') || out.at(lead).isSpace()))
        ++lead;
    return out.mid(lead);
}
