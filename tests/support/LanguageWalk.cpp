#include "support/LanguageWalk.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <QToolButton>

#include "core/DDataManager.h"
#include "support/PaintedText.h"
#include "widgets/CustomButton.h"
#include "widgets/TextMoveWidget.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"

namespace {

// Long enough for a page's queued loading and its layout to run.
const int kSettleMs = 120;
// The key selected for the key-assignment pages: A.
const int kKeyA = 4;

QString plain(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// The class of the page or dialog a widget is on and the widget's own name:
// enough to find it in the form.
QString pathOf(const QWidget *w)
{
    QString owner;
    for (const QObject *o = w->parent(); o && owner.isEmpty(); o = o->parent()) {
        const QString className = QString::fromLatin1(o->metaObject()->className());
        if (className.startsWith(QLatin1Char('D')) || className == QLatin1String("macroMenuToolWidget"))
            owner = className;
    }
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                    : w->objectName();
    return owner.isEmpty() ? name : owner + QLatin1Char('/') + name;
}

QList<QWidget *> visibleWidgets()
{
    QList<QWidget *> shown;
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget *top : tops) {
        if (!top->isVisible())
            continue;
        shown << top;
        const QList<QWidget *> children = top->findChildren<QWidget *>();
        for (QWidget *w : children) {
            if (w->isVisible() && w->window() == top)
                shown << w;
        }
    }
    return shown;
}

int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, fm.horizontalAdvance(line));
    return widest;
}

// How far the ink of one line set in `font` reaches above and below its
// baseline, found by painting it: shaping and a fallback font for a script
// the font lacks are taken as they are painted.
QPair<int, int> inkAboveAndBelow(const QFont &font, const QString &line)
{
    const QFontMetrics fm(font);
    const int pad = fm.height();
    QImage image(fm.horizontalAdvance(line) + 2 * pad, 3 * pad, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int baseline = pad + fm.ascent();
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(pad, baseline), line);
    }
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) > 0) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    if (top < 0)
        return {0, 0};
    return {baseline - top, bottom + 1 - baseline};
}

// How high a box must be for the ink of a text set in `font` to stay in it,
// the lines placed as `alignment` places them. The font's line box is
// taller than most texts' ink: a line with no descender may sit lower.
int inkHeight(const QFont &font, const QString &text, Qt::Alignment alignment)
{
    const QFontMetrics fm(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    // From the first line's baseline down to the last line's.
    const int below = (lines.size() - 1) * fm.lineSpacing();
    const int inkAscent = inkAboveAndBelow(font, lines.first()).first;
    const int inkDescent = below + inkAboveAndBelow(font, lines.last()).second;
    // The line box as the painter sets it: a script drawn from a fallback
    // font makes it as high as that font's.
    QTextLayout layout(lines.first(), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int boxAscent = line.isValid() ? qCeil(line.ascent()) : fm.ascent();
    const int boxDescent = below + (line.isValid() ? qCeil(line.descent()) : fm.descent());
    if (alignment & Qt::AlignTop)
        return boxAscent + inkDescent;
    if (alignment & Qt::AlignBottom)
        return inkAscent + boxDescent;
    // Centred: the line box sits in the middle, its ink may not reach past either edge.
    return qMax(2 * inkAscent + boxDescent - boxAscent, 2 * inkDescent + boxAscent - boxDescent);
}

// The room a text takes in the widest and the tallest of the fonts it is
// painted in: as wide as its widest line, as high as its ink.
QSize textSize(const QList<QFont> &fonts, const QString &text, Qt::Alignment alignment = Qt::AlignVCenter)
{
    QSize size;
    for (const QFont &font : fonts)
        size = size.expandedTo(QSize(widestLine(QFontMetrics(font), text), inkHeight(font, text, alignment)));
    return size;
}

// The room a label's text takes on its lines. Rich text is laid out as the
// label paints it: its spans may set their own font size.
QSize textSize(const QLabel *label)
{
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return textSize({label->font()}, label->text(), label->alignment());
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    return QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
}

// A button's text as painted: "&&" shows one ampersand, a single "&" marks
// the shortcut letter and takes no room.
QString withoutMnemonics(const QString &text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text.at(i);
    }
    return shown;
}

// The text a label or button shows, empty for any other widget.
QString shownText(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->pixmap(Qt::ReturnByValue).isNull() && !label->movie() ? plain(label->text()) : QString();
    if (auto *custom = qobject_cast<const CustomButton *>(w))
        return custom->caption();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    return QString();
}

// Whether a scroll area holds the widget: a list row it has scrolled partly
// out of view is not cut.
bool scrolls(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(p))
            return true;
    }
    return false;
}

void settle()
{
    QTest::qWait(kSettleMs);
    // On a loaded machine the wait may end while the layouts a language
    // change or a page switch requested are still queued: let them run.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

template <typename Dialog>
Dialog *openDialog(QWidget *window)
{
    const QList<Dialog *> dialogs = window->findChildren<Dialog *>();
    for (Dialog *d : dialogs) {
        if (d->isVisible())
            return d;
    }
    return nullptr;
}

} // namespace

void LanguageWalk::run(const std::function<void(const QString &)> &visit)
{
    if (!m_window)
        return;
    m_window->show();
    settle();
    visit(QStringLiteral("main window"));
    visitMainPages(visit);
    visitKeyPages(visit);
    visitDialogs(visit);
}

void LanguageWalk::visitMainPages(const std::function<void(const QString &)> &visit)
{
    DDevicePage *page = m_window->devicePage();
    static const char *const buttons[] = {"toolButton_LightConfig", "toolButton_TriggerSetting",
                                          "toolButton_Performance", "toolButton_CustomKey"};
    for (const char *name : buttons) {
        auto *button = page->findChild<QAbstractButton *>(QLatin1String(name));
        if (!button || !button->isVisible() || !button->isEnabled())
            continue;
        button->click();
        settle();
        visit(QString::fromLatin1(name));
    }
}

void LanguageWalk::visitKeyPages(const std::function<void(const QString &)> &visit)
{
    auto *host = m_window->devicePage()->findChild<DCustomKeysPage *>();
    keyboardButCustom *key = DDataManager::getInstance()->keyButtonMap().value(kKeyA, nullptr);
    if (!host || !key || !host->isVisible())
        return;
    key->click();
    settle();
    const QList<QToolButton *> buttons = host->findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^toolButton_")));
    for (QToolButton *button : buttons) {
        if (!button->isVisible() || !button->isEnabled() || !button->isCheckable())
            continue;
        button->click();
        settle();
        visit(QStringLiteral("key page ") + button->objectName());
    }
}

void LanguageWalk::visitDialogs(const std::function<void(const QString &)> &visit)
{
    DDevicePage *page = m_window->devicePage();
    const auto visitAndClose = [&](QWidget *dialog, const QString &name) {
        if (!dialog)
            return;
        settle();
        visit(name);
        delete dialog;
        settle();
    };

    if (auto *button = m_window->findChild<QAbstractButton *>(QStringLiteral("pushButton_Setting"))) {
        button->click();
        auto *settings = openDialog<DSettingsDia>(m_window);
        if (settings) {
            settle();
            visit(QStringLiteral("settings"));
            if (auto *about = settings->findChild<QAbstractButton *>(QStringLiteral("pushButton_About"))) {
                about->click();
                settle();
                visit(QStringLiteral("settings: about"));
            }
        }
        visitAndClose(settings, QStringLiteral("settings, again"));
    }
    if (auto *button = page->findChild<QAbstractButton *>(QStringLiteral("toolButton_MacroDialog"))) {
        button->click();
        visitAndClose(openDialog<DMacroPage>(m_window), QStringLiteral("macro editor"));
    }
    if (auto *button = page->findChild<QAbstractButton *>(QStringLiteral("toolButton_SeniorKey"))) {
        button->click();
        visitAndClose(openDialog<DSeniorKeysPage>(m_window), QStringLiteral("advanced-key editor"));
    }
    m_window->onUpdateFirmwareWindowOpen();
    visitAndClose(openDialog<DUpdateFirmwareDia>(m_window), QStringLiteral("firmware window"));
}

QVector<LanguageWalk::ShownText> LanguageWalk::shownTexts()
{
    QVector<ShownText> texts;
    const auto add = [&texts](QWidget *w, const QString &text, const char *kind) {
        const QString shown = plain(text);
        if (!shown.trimmed().isEmpty())
            texts.append({w, shown, pathOf(w) + QStringLiteral(" (") + QLatin1String(kind) + QLatin1Char(')')});
    };
    for (QWidget *w : visibleWidgets()) {
        if (w->isWindow())
            add(w, w->windowTitle(), "title");
        add(w, w->toolTip(), "tooltip");
        // The all-keys picker shows key captions, which stay as printed on
        // the keycaps in every language (Up, Down, Num.Lk ...); only the
        // input-language keys are named in the interface language.
        if (auto *key = qobject_cast<DAllKeysItemKey *>(w)) {
            if (SoftKeyLayoutFile::languageKeyName(key->keyCode()).isNull())
                continue;
        }
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, label->text(), "label");
        else if (auto *custom = qobject_cast<CustomButton *>(w))
            add(w, custom->caption(), "button");
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, button->text(), "button");
        else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                add(w, combo->itemText(i), "combo item");
        } else if (auto *edit = qobject_cast<QLineEdit *>(w))
            add(w, edit->placeholderText(), "placeholder");
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            add(w, group->title(), "group");
        else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(w, tabs->tabText(i), "tab");
        }
    }
    return texts;
}

QStringList LanguageWalk::clippedTexts()
{
    QStringList clipped;
    const auto report = [&clipped](QWidget *w, const QString &text, QSize needs, QSize has) {
        // One pixel of rounding either way is not a cut.
        if (needs.width() > has.width() + 1)
            clipped << QStringLiteral("%1: \"%2\" (needs %3 px, has %4 px)")
                           .arg(pathOf(w), text)
                           .arg(needs.width())
                           .arg(has.width());
        if (needs.height() > has.height() + 1)
            clipped << QStringLiteral("%1: \"%2\" (needs %3 px high, has %4 px)")
                           .arg(pathOf(w), text)
                           .arg(needs.height())
                           .arg(has.height());
    };
    for (QWidget *w : visibleWidgets()) {
        // A text widget its window or a parent cuts: a row wider than its
        // dialog, a button pushed past the edge, a row of choices taller
        // than the frame that holds it. A row a list has scrolled out of
        // view is not cut.
        // A marquee swings a text longer than itself so that each end comes
        // into view: its hidden part is not cut.
        auto *marquee = qobject_cast<TextMoveWidget *>(w->parentWidget());
        const bool swung = marquee && w->width() > marquee->width();
        if (!shownText(w).isEmpty() && !swung) {
            const QRect visible = w->visibleRegion().boundingRect();
            if (!visible.isEmpty()) {
                // A parent that hides only a widget's edge, above or below
                // its centred line of text, cuts no text.
                const int slack = (w->height() - w->fontMetrics().height()) / 2;
                const bool edgeOnly = visible.top() <= slack && w->height() - 1 - visible.bottom() <= slack;
                const int high = scrolls(w) || edgeOnly ? w->height() : visible.height();
                report(w, shownText(w), w->size(), QSize(visible.width(), high));
            }
        }
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const QString text = plain(label->text());
            if (text.isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie())
                continue;
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                              -label->margin());
            if (label->wordWrap()) {
                report(w, text, QSize(0, label->heightForWidth(label->width())), label->size());
            } else {
                const QSize needs = textSize(label);
                report(w, text, QSize(needs.width() + label->indent() * (label->indent() > 0), needs.height()),
                       room.size());
            }
        } else if (auto *custom = qobject_cast<CustomButton *>(w)) {
            // The caption is painted in a box of its own and cut to it.
            if (custom->caption().isEmpty())
                continue;
            const QRect box = CustomButton::captionRect().intersected(custom->rect());
            const QSize text = textSize({custom->captionFont()}, custom->caption(), Qt::AlignTop);
            report(w, custom->caption(), text, box.size());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            const QString shown = withoutMnemonics(button->text());
            if (shown.isEmpty())
                continue;
            // Measured in each font the button paints its text in: a style
            // sheet may make it bolder or larger checked or hovered.
            QList<QFont> fonts = PaintedText::buttonFonts(button);
            if (fonts.isEmpty())
                fonts << button->font();
            const QSize text = textSize(fonts, shown);
            const QSize asIs = textSize({button->font()}, shown);
            if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
                // The size hint holds the indicator and the gap before the
                // text; a layout gives less height only when it squeezes the
                // button, the indicator first.
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const QStyle::SubElement element = qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxContents
                                                                                 : QStyle::SE_RadioButtonContents;
                const QRect room = button->style()->subElementRect(element, &option, button);
                report(w, button->text(), QSize(button->sizeHint().width() - asIs.width() + text.width(), text.height()),
                       QSize(button->width(), room.height()));
                report(w, button->text(), QSize(0, button->sizeHint().height()), button->size());
            } else if (auto *push = qobject_cast<QPushButton *>(w)) {
                QStyleOptionButton option;
                option.initFrom(push);
                option.text = push->text();
                option.icon = push->icon();
                option.iconSize = push->iconSize();
                const QRect room = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
                const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
                report(w, push->text(), text + QSize(icon, 0), room.size());
            } else if (auto *tool = qobject_cast<QToolButton *>(w)) {
                if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                    continue;
                const bool beside = tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !tool->icon().isNull();
                const int icon = beside ? tool->iconSize().width() + 4 : 0;
                report(w, tool->text(), text + QSize(icon, 0), tool->contentsRect().size());
            }
        }
    }
    return clipped;
}
