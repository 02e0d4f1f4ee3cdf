#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyledItemDelegate>
#include <QDebug>

#include "core/DDataManager.h"
#include "widgets/DropDownLook.h"
#include "widgets/ThemeStyleSheets.h"
#include "widgets/StyleSheetUpdate.h"

DKeyFunctionPage::DKeyFunctionPage(QWidget *parent)
    : QWidget(parent)
{
    setStyleSheetIfChanged(this, framedPageStyle());
}

QString DKeyFunctionPage::framedPageStyle(const QString &rules)
{
    // The frames of a page's form only arrange it; they draw nothing.
    return QStringLiteral("QFrame#frame, QFrame#frame_3, QFrame#frame_5, QFrame#frame_6, QFrame#frame_7, "
                          "QFrame#frame_8, QFrame#frame_9, QFrame#frame_10, QFrame#frame_12, QFrame#frame_44, "
                          "QFrame#frame_288, QFrame#frame_Top2{border: none;}")
        + rules;
}

void DKeyFunctionPage::loadKeyOperateInfo()
{
    m_keyItem = KeyItemIO::selectedKeyLightPress();
    m_storedItem = m_keyItem.read();
}

// A page with texts or looks of its own sets them again here.
void DKeyFunctionPage::updateAllUI() {}

void DKeyFunctionPage::updateAppTheme() {}

void DKeyFunctionPage::storeItem(int operateType, const QByteArray &type, const QByteArray &count,
                                 const QByteArray &mode, const QByteArray &value)
{
    if (!m_keyItem.hasKey()) {
        emit sigCustomKeyInfoSaveFailed(NoKeyOperateType, ErrorNoKeyOrEmptyText);
        return;
    }
    reportStored(operateType, m_keyItem.replace(type, count, mode, value));
}

void DKeyFunctionPage::reportStored(int operateType, bool stored)
{
    if (!stored) {
        qDebug().noquote() << "Key function not stored, type" << operateType << "key" << m_keyItem.keyCode()
                           << "in" << m_keyItem.path();
        emit sigCustomKeyInfoSaveFailed(operateType, ErrorStoreWriteFailed);
        return;
    }
    emit sigShoudUpdateKeyboard(m_keyItem.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}

QFont DKeyFunctionPage::pageFont(int pointSize)
{
    QFont font = DDataManager::getInstance()->themeFont(1);
    font.setPointSize(pointSize);
    return font;
}

QString DKeyFunctionPage::titleLabelStyle(const ThemeColor &theme)
{
    return QStringLiteral("color: rgb(%1);").arg(theme.TextDefaultColor);
}

QString DKeyFunctionPage::keyNameLabelStyle(const ThemeColor &theme)
{
    return QStringLiteral("color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px;")
        .arg(theme.TextCheckedColor, theme.DeviceBorderColor);
}

QString DKeyFunctionPage::pageButtonStyle(const ThemeColor &theme)
{
    return pageButtonStyleSheet(theme, 3);
}

QString DKeyFunctionPage::radioButtonStyle(const ThemeColor &theme)
{
    return QStringLiteral("QRadioButton{color: rgb(%1); font: 75 10pt \"%3\";}"
                          "QRadioButton:checked{color: rgb(%2);}"
                          "QRadioButton::indicator{width: 10px; height: 10px; border-radius: 6px; "
                          "border: 2px solid white;}"
                          "QRadioButton::indicator:checked{background-color: rgb(%2);}")
        .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont);
}

QString DKeyFunctionPage::textBoxStyle(const ThemeColor &theme)
{
    return QStringLiteral("QTextEdit{color: rgb(%1); font: 75 10pt \"%2\"; background-color: rgb(%3); "
                          "border: 1px solid rgb(%4); border-radius: 4px;}"
                          "QTextEdit:hover, QTextEdit:pressed{border: 1px solid rgb(%5);}")
        .arg(theme.TextDefaultColor, theme.TextFont, theme.DeviceRightBgColor, theme.DeviceBorderColor,
             theme.TextCheckedColor);
}

void DKeyFunctionPage::styleComboBox(QComboBox *combo, const ThemeColor &theme)
{
    setStyleSheetIfChanged(
        combo,
        QStringLiteral("QComboBox{background-color: rgb(%1); border: 1px solid rgb(%2); color: rgb(%3); "
                       "font: 75 10pt \"%5\"; border-radius: 4px; padding-left: 5px;}"
                       "QComboBox:hover{border: 1px solid rgb(%4);}"
                       "QComboBox::drop-down{width: 20px; padding-right: 3px; border: none; background: transparent;}"
                       "QComboBox::down-arrow{width: 14px; height: 14px; image: url(:/images/publicIco/comboxDef.png);}"
                       "QComboBox::down-arrow:on{image: url(:/images/publicIco/comboxSel.png);}")
            .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextDefaultColor, theme.TextCheckedColor,
                 theme.TextFont));
    DropDownLook::apply(combo, DropDownLook::devicePage(theme),
                        QStringLiteral("font: 75 10pt \"%1\";").arg(theme.TextFont));
}

QString DKeyFunctionPage::scrollBarStyle(const ThemeColor &theme)
{
    return QStringLiteral("QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}"
                          "QScrollBar:horizontal{background: transparent; height: 4px;}"
                          "QScrollBar::handle:vertical, QScrollBar::handle:horizontal{background: rgb(%2); "
                          "min-height: 20px; min-width: 20px; border-radius: 2px;}"
                          "QScrollBar::handle:vertical:hover, QScrollBar::handle:horizontal:hover"
                          "{background: rgb(%3);}"
                          "QScrollBar::add-line, QScrollBar::sub-line{height: 0px; width: 0px;}"
                          "QScrollBar::add-page, QScrollBar::sub-page{background: rgb(%1); border-radius: 3px;}")
        .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
}
