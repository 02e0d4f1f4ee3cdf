#include "support/LanguageWalk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QtMath>
#include <QToolButton>

#include "core/DDataManager.h"
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

// The width a label's text takes on one line. Rich text is laid out as the
// label paints it: its spans may set their own font size.
int textWidth(const QLabel *label)
{
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return widestLine(label->fontMetrics(), label->text());
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    return qCeil(document.idealWidth());
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
    const auto report = [&clipped](QWidget *w, const QString &text, int needs, int has) {
        // One pixel of rounding either way is not a cut.
        if (needs > has + 1)
            clipped << QStringLiteral("%1: \"%2\" (needs %3 px, has %4 px)").arg(pathOf(w), text).arg(needs).arg(has);
    };
    for (QWidget *w : visibleWidgets()) {
        const QFontMetrics fm = w->fontMetrics();
        // A text widget its window or a parent cuts sideways: a row wider
        // than its dialog, a button pushed past the edge. A row a list has
        // scrolled out of view is not cut.
        // A marquee swings a text longer than itself so that each end comes
        // into view: its hidden part is not cut.
        auto *marquee = qobject_cast<TextMoveWidget *>(w->parentWidget());
        const bool swung = marquee && w->width() > marquee->width();
        if (!shownText(w).isEmpty() && !swung) {
            const QRegion visible = w->visibleRegion();
            if (!visible.isEmpty() && visible.boundingRect().width() < w->width() - 1)
                report(w, shownText(w), w->width(), visible.boundingRect().width());
        }
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const QString text = plain(label->text());
            if (text.isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie())
                continue;
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                              -label->margin());
            if (label->wordWrap())
                report(w, text, label->heightForWidth(label->width()), label->height());
            else
                report(w, text, textWidth(label) + label->indent() * (label->indent() > 0), room.width());
        } else if (auto *custom = qobject_cast<CustomButton *>(w)) {
            // The caption is painted from x = 30 on.
            if (!custom->caption().isEmpty())
                report(w, custom->caption(), 30 + widestLine(QFontMetrics(custom->captionFont()), custom->caption()),
                       custom->width());
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            if (!check->text().isEmpty())
                report(w, check->text(), check->sizeHint().width(), check->width());
        } else if (auto *radio = qobject_cast<QRadioButton *>(w)) {
            if (!radio->text().isEmpty())
                report(w, radio->text(), radio->sizeHint().width(), radio->width());
        } else if (auto *push = qobject_cast<QPushButton *>(w)) {
            if (push->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(push);
            option.text = push->text();
            option.icon = push->icon();
            option.iconSize = push->iconSize();
            const QRect room = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            report(w, push->text(), widestLine(fm, withoutMnemonics(push->text())) + icon, room.width());
        } else if (auto *tool = qobject_cast<QToolButton *>(w)) {
            if (tool->text().isEmpty() || tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            const bool beside = tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !tool->icon().isNull();
            const int icon = beside ? tool->iconSize().width() + 4 : 0;
            report(w, tool->text(), widestLine(fm, withoutMnemonics(tool->text())) + icon, tool->contentsRect().width());
        }
    }
    return clipped;
}
