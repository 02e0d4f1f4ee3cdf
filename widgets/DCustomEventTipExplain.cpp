#include "widgets/DCustomEventTipExplain.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const int kDetailWidth = 215;

QLabel *makeLine(QWidget *parent, const char *name, const QString &style)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFixedSize(230, 30);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setStyleSheet(style);
    return label;
}

// A text of several lines on one: each line break (LF, CR LF, CR and the
// Unicode separators) becomes a return mark between blanks.
QString singleLine(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n');
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator) {
            line += QStringLiteral(" \u21B5 ");
            i += crlf ? 1 : 0;
        } else {
            line += c;
        }
    }
    return line;
}
} // namespace

DCustomEventTipExplain::DCustomEventTipExplain(QWidget *parent)
    : QWidget(parent)
{
    m_title = makeLine(this, "label_Title",
                       QStringLiteral("color: rgb(245, 245, 245); font: 75 14pt \"Microsoft YaHei\";"));
    const QString lineStyle = QStringLiteral("color: rgb(245, 245, 245); font: 75 12pt \"Microsoft YaHei\";");
    m_type = makeLine(this, "label_Type", lineStyle);
    m_detail = makeLine(this, "label_Detail", lineStyle);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(m_title);
    layout->addWidget(m_type);
    layout->addWidget(m_detail);
}

void DCustomEventTipExplain::setInfo(QString title, QString typeText, QString detail, bool normal)
{
    const bool highlight = title == QLatin1String("fn") || title == QLatin1String("Fn")
        || title == QLatin1String("FN") || !normal;
    const QString style = QStringLiteral("color: rgb(%2); font: 75 12pt \"%1\";")
                              .arg(QStringLiteral("Microsoft YaHei"),
                                   highlight ? QStringLiteral("255,143,31") : QStringLiteral("245,245,245"));
    m_title->setStyleSheet(style);
    m_detail->setStyleSheet(style);

    m_title->setText(title);
    m_type->setText(typeText);
    m_detailElided = false;

    // The detail has one line of room: a text of several lines (a Text
    // key's) shows its line breaks as marks, and the whole is measured in
    // the bold font the label paints it in.
    const QString oneLine = singleLine(detail);
    m_detail->ensurePolished();
    const QFontMetrics metrics(m_detail->font());
    m_detailElided = metrics.horizontalAdvance(oneLine) >= kDetailWidth;
    m_detail->setText(m_detailElided ? metrics.elidedText(oneLine, Qt::ElideRight, kDetailWidth) : oneLine);
}

QString DCustomEventTipExplain::titleText() const
{
    return m_title->text();
}

QString DCustomEventTipExplain::typeText() const
{
    return m_type->text();
}

QString DCustomEventTipExplain::detailText() const
{
    return m_detail->text();
}
