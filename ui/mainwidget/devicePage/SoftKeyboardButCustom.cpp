#include "ui/mainwidget/devicePage/SoftKeyboardButCustom.h"

#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>

#include <algorithm>

SoftKeyboardButCustom::SoftKeyboardButCustom(int kind, QWidget *parent)
    : QToolButton(parent)
    , m_kind(kind)
{
    m_selectedStyle = QStringLiteral(
        "color:#FF3135; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid #FF3135; border-radius:3px;");
    m_markedStyle = QStringLiteral(
        "color:#FF3135; font: 75 7pt \"Microsoft YaHei\"; border: 1px solid #FF3135; border-radius:3px;");
    m_normalTextStyle = QStringLiteral(
        "color:#c3c3c3; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;");
    m_lightTextStyle = QStringLiteral(
        "color:#f5f5f5; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;");
    m_normalBgStyle = QStringLiteral("background-color:#4b4b4b;");
    m_kind1BgStyle = QStringLiteral("background-color:#1e1e1e;");

    if (m_kind == 1)
        installEventFilter(this);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    if (m_kind == 1)
        applyStyle(m_lightTextStyle, m_kind1BgStyle);
    else
        applyStyle(m_normalTextStyle, m_normalBgStyle);
}

void SoftKeyboardButCustom::applyStyle(const QString &textPart, const QString &backgroundPart)
{
    QString text = textPart;
    // A caption that needs a smaller font than the key's 7 pt gets it here.
    if (m_captionPixels > 0)
        text.replace(QLatin1String(" 7pt "), QStringLiteral(" %1px ").arg(m_captionPixels));
    setStyleSheet(text + backgroundPart);
}

void SoftKeyboardButCustom::setKeySize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
    fitText();
}

SoftKeyboardButCustom::CaptionFit SoftKeyboardButCustom::fitCaption(const QString &text, const QFont &font,
                                                                  QSize room)
{
    QString shown = text;
    shown.replace(QLatin1String("&&"), QLatin1String("&"));
    // The lines a caption may take: itself, or two parts broken after a "/",
    // at a blank or at a soft hyphen (shown as "-" there, else not at all),
    // the break nearest its middle first.
    const QChar softHyphen(0x00AD);
    QString whole = shown;
    whole.remove(softHyphen);
    QVector<QStringList> layouts = {{whole}};
    QVector<int> breaks;
    for (int i = 1; i + 1 < shown.size(); ++i) {
        const QChar c = shown.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char(' ') || c == softHyphen)
            breaks << i;
    }
    std::sort(breaks.begin(), breaks.end(), [&shown](int a, int b) {
        return qAbs(2 * a - shown.size()) < qAbs(2 * b - shown.size());
    });
    for (int at : qAsConst(breaks)) {
        const QChar c = shown.at(at);
        QString first = c == QLatin1Char(' ') ? shown.left(at) : c == softHyphen ? shown.left(at) + QLatin1Char('-')
                                                                                   : shown.left(at + 1);
        QString second = shown.mid(at + 1);
        first.remove(softHyphen);
        second.remove(softHyphen);
        layouts << QStringList{first, second};
    }
    const auto fits = [room](const QFont &font, const QStringList &lines) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString &line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        return widest <= room.width() && metrics.lineSpacing() * lines.size() <= room.height();
    };
    const auto joined = [](const QStringList &lines) {
        QStringList kept = lines;
        for (QString &line : kept)
            line.replace(QLatin1String("&"), QLatin1String("&&"));
        return kept.join(QLatin1Char('\n'));
    };
    // The font's own size first, one line before two; then smaller sizes.
    for (const QStringList &lines : qAsConst(layouts)) {
        if (fits(font, lines))
            return {joined(lines), 0};
    }
    QFont smaller = font;
    for (int px = QFontInfo(font).pixelSize() - 1; px >= MinCaptionPixels; --px) {
        smaller.setPixelSize(px);
        for (const QStringList &lines : qAsConst(layouts)) {
            if (fits(smaller, lines))
                return {joined(lines), px};
        }
    }
    // Nothing fits: the smallest size, on two lines where it may break.
    return {joined(layouts.last()), MinCaptionPixels};
}

void SoftKeyboardButCustom::fitText()
{
    const QString name = displayText(m_keyCode, m_caption);
    // A key not yet given its size shows its name as it is.
    if (m_width <= 0 || m_height <= 0) {
        m_captionPixels = 0;
        setText(name);
        return;
    }
    // In the font the key's sheet gives at its own size, in the room inside
    // the key's rounded edge.
    if (m_captionPixels > 0) {
        m_captionPixels = 0;
        applyPresentStyle();
    }
    ensurePolished();
    const CaptionFit fit = fitCaption(name, font(), QSize(m_width - 4, m_height - 4));
    setText(fit.text);
    if (fit.pixelSize != m_captionPixels) {
        m_captionPixels = fit.pixelSize;
        applyPresentStyle();
    }
}

QString SoftKeyboardButCustom::displayText(int code, const QString &caption)
{
    const QString languageKey = SoftKeyLayoutFile::languageKeyName(code);
    if (!languageKey.isNull())
        return languageKey;
    switch (code) {
    case 226:
    case 230: return QStringLiteral("Alt");
    case 36: return QStringLiteral("7&&");
    default: return caption;
    }
}

void SoftKeyboardButCustom::setKeyInfo(int code, QString caption)
{
    m_keyCode = code;
    m_caption = caption;
    fitText();
}

void SoftKeyboardButCustom::setKeyState(int state)
{
    if (m_kind == 0) {
        switch (state) {
        case 0:
            applyStyle(m_normalTextStyle, m_normalBgStyle);
            m_selected = false;
            break;
        case 1:
            applyStyle(m_selectedStyle, m_normalBgStyle);
            m_selected = true;
            break;
        case 2:
            applyStyle(m_normalTextStyle, QStringLiteral("background-color:#2c74c1;"));
            break;
        case 3:
            applyStyle(m_normalTextStyle, QStringLiteral("background-color:#22ba20;"));
            break;
        case 4:
            applyStyle(m_normalTextStyle, QStringLiteral("background-color:#E81122;"));
            break;
        default:
            break;
        }
    } else if (m_kind == 1) {
        if (state == 0) {
            applyStyle(m_lightTextStyle, m_kind1BgStyle);
            m_marked = false;
        } else if (state == 1) {
            applyStyle(m_markedStyle, m_kind1BgStyle);
            m_marked = true;
        }
    }
}

void SoftKeyboardButCustom::setEditable(bool editable)
{
    m_editable = editable;
}

void SoftKeyboardButCustom::setThemeColors(QString text, QString accent, QString background)
{
    m_selectedStyle = QStringLiteral(
        "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid rgb(%1); border-radius:3px;")
                          .arg(accent);
    m_markedStyle = QStringLiteral(
        "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border: 1px solid rgb(%1); border-radius:3px;")
                        .arg(accent);
    const QString textStyle = QStringLiteral(
        "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;")
                                  .arg(text);
    m_normalTextStyle = textStyle;
    m_lightTextStyle = textStyle;
    m_normalBgStyle = QStringLiteral("background-color:rgb(%1);").arg(background);
    m_kind1BgStyle = m_normalBgStyle;

    applyPresentStyle();

    m_textColor = text;
    m_accentColor = accent;
    m_backgroundColor = background;
}

void SoftKeyboardButCustom::applyPresentStyle()
{
    if (m_kind == 1)
        applyStyle(m_marked ? m_markedStyle : m_lightTextStyle, m_kind1BgStyle);
    else
        applyStyle(m_selected ? m_selectedStyle : m_normalTextStyle, m_normalBgStyle);
}

void SoftKeyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    if (m_kind == 1) {
        applyStyle(m_markedStyle, m_kind1BgStyle);
        emit sigCustomButMouseEnter();
    } else {
        applyStyle(m_selectedStyle, m_normalBgStyle);
    }
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_editable) {
        if (m_kind == 1) {
            if (!m_marked)
                applyStyle(m_lightTextStyle, m_kind1BgStyle);
        } else {
            applyStyle(m_normalTextStyle, m_normalBgStyle);
        }
    }
    if (m_kind == 1)
        emit sigCustomButMouseLeave();
    QToolButton::leaveEvent(event);
}

bool SoftKeyboardButCustom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton)
            emit sigButtonMouseRightKeyClicked(m_keyCode, m_caption);
    }
    return QToolButton::eventFilter(watched, event);
}
