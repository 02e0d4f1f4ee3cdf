#include "widgets/DropDownLook.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPalette>
#include <QStyledItemDelegate>

#include "widgets/ThemeColorText.h"

DropDownLook::Colors DropDownLook::devicePage(const ThemeColor &theme)
{
    return {theme.DeviceRightBgColor, theme.TextDefaultColor, theme.DeviceBorderColor,
            theme.MacroListItemSelectedColor, theme.TextCheckedColor};
}

void DropDownLook::apply(QComboBox *combo, const Colors &colors, const QString &font)
{
    if (!combo)
        return;
    // Rows take their height and colours from the list's sheet.
    if (!qobject_cast<QStyledItemDelegate *>(combo->itemDelegate()))
        combo->setItemDelegate(new QStyledItemDelegate(combo));
    // Opaque: a list over the page stays readable whatever lies under it.
    const auto opaque = [](const QString &text) {
        const QColor c = themeRgb(text, 255);
        return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
    };
    QAbstractItemView *list = combo->view();
    list->setStyleSheet(
        QStringLiteral("QAbstractItemView{background-color: rgb(%1); color: rgb(%2); border: 1px solid rgb(%3); "
                       "outline: 0px; selection-background-color: rgb(%4); selection-color: rgb(%5); %6}"
                       "QAbstractItemView::item{height: 40px; padding-left: 10px;}"
                       "QAbstractItemView::item:hover{background-color: rgb(%4); color: rgb(%5);}")
            .arg(opaque(colors.background), opaque(colors.text), colors.border, opaque(colors.selectedBackground),
                 opaque(colors.selectedText), font));
    const QColor background = themeRgb(colors.background, 255);
    const QColor text = themeRgb(colors.text, 255);
    for (QWidget *w : {static_cast<QWidget *>(list), list->viewport(), list->parentWidget()}) {
        if (!w)
            continue;
        QPalette palette = w->palette();
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
            palette.setColor(role, background);
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(role, text);
        palette.setColor(QPalette::Highlight, themeRgb(colors.selectedBackground, 255));
        palette.setColor(QPalette::HighlightedText, themeRgb(colors.selectedText, 255));
        w->setPalette(palette);
    }
}
