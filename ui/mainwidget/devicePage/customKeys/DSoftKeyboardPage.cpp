#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"
#include "ui_DSoftKeyboardPage.h"

#include <QDebug>
#include <QFile>

#include "core/DDataManager.h"
#include "ui/mainwidget/devicePage/SoftKeyboardButCustom.h"
#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"

namespace {

const char kLayoutFolder[] = ":/images/configDir/";

bool isModifier(int keyCode)
{
    return keyCode >= 224 && keyCode <= 231;
}

} // namespace

DSoftKeyboardPage::DSoftKeyboardPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DSoftKeyboardPage)
{
    ui->setupUi(this);
    setFixedSize(1000, 245);
    updateAppTheme();
}

DSoftKeyboardPage::~DSoftKeyboardPage()
{
    delete ui;
}

void DSoftKeyboardPage::removeKeys()
{
    for (SoftKeyboardButCustom *button : qAsConst(m_keyButtons)) {
        button->hide();
        button->deleteLater();
    }
    m_keyButtons.clear();
    m_keyNames.clear();
    m_vkToKeyCode.clear();
    m_selectedButtons.clear();
    m_modifierCount = 0;
}

QByteArray DSoftKeyboardPage::readLayoutText(int layoutId)
{
    QFile file(QLatin1String(kLayoutFolder) + SoftKeyLayoutFile::fileNameFor(layoutId));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "------------------------ Softkeyboard loadKeyboardInfo => fp == NULL -------------------------";
        return QByteArray();
    }
    return file.readAll();
}

void DSoftKeyboardPage::loadKeyboardInfo(QString modelName)
{
    removeKeys();
    m_layoutId = DDataManager::getInstance()->softKeyboardLayoutId(modelName);
    const QByteArray text = readLayoutText(m_layoutId);
    if (text.isEmpty())
        return;
    parseSoftKeyInfo(text.constData());
}

bool DSoftKeyboardPage::publishKeyMaps(const QString &modelName)
{
    DDataManager *data = DDataManager::getInstance();
    const int layoutId = data->softKeyboardLayoutId(modelName);
    SoftKeyLayoutFile layout;
    if (!layout.parse(readLayoutText(layoutId), layoutId)) {
        qDebug().noquote() << "Soft keyboard layout" << layoutId << "refused:" << layout.errorText();
        return false;
    }
    data->setKeyCodeNameMap(layout.keyCodeNameMap());
    data->setVkToKeyCodeMap(layout.vkToKeyCodeMap());
    return true;
}

void DSoftKeyboardPage::parseSoftKeyInfo(const char *text)
{
    removeKeys();
    SoftKeyLayoutFile layout;
    if (!layout.parse(QByteArray(text ? text : ""), m_layoutId)) {
        qDebug().noquote() << "Soft keyboard layout" << m_layoutId << "refused:" << layout.errorText();
        return;
    }
    for (const SoftKeyLayoutFile::Key &key : layout.keys()) {
        auto *button = new SoftKeyboardButCustom(0, this);
        button->setKeySize(key.geometry.width(), key.geometry.height());
        button->setGeometry(key.geometry);
        button->setKeyInfo(key.keyCode, key.label);
        button->show();
        m_keyButtons.insert(key.keyCode, button);
        connect(button, &SoftKeyboardButCustom::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
    }
    m_keyNames = layout.keyCodeNameMap();
    m_vkToKeyCode = layout.vkToKeyCodeMap();
    updateAppTheme();

    DDataManager *data = DDataManager::getInstance();
    data->setKeyCodeNameMap(m_keyNames);
    data->setVkToKeyCodeMap(m_vkToKeyCode);
    emit sigSoftKeyboardAlreadyLoad();
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto *button = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!button)
        return;
    if (isMultiSelecting()) {
        if (isModifier(button->keyCode()))
            ++m_modifierCount;
        if (m_modifierCount > 2) {
            --m_modifierCount; // a third modifier is reported, not highlighted
        } else {
            button->setEditable(false);
            button->setKeyState(1);
            m_selectedButtons.append(button);
        }
    }
    emit sigSoftKeyboardClicked(button->keyCode(), button->keyCharacter());
}

void DSoftKeyboardPage::clearSelectedKeys()
{
    for (SoftKeyboardButCustom *button : qAsConst(m_selectedButtons)) {
        button->setEditable(true);
        button->setKeyState(0);
    }
    m_selectedButtons.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::selectKey(int keyCode)
{
    if (!isMultiSelecting())
        return;
    SoftKeyboardButCustom *button = m_keyButtons.value(keyCode, nullptr);
    if (!button || m_selectedButtons.contains(button))
        return;
    button->setEditable(true);
    button->setKeyState(0);
    m_selectedButtons.append(button);
}

void DSoftKeyboardPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    m_selectedColor = theme.TextCheckedColor;
    m_keyTextColor = theme.DeviceSoftkeyboardButDefaultTextColor;
    m_keyBackgroundColor = theme.DeviceSoftkeyboardButColor;
    for (SoftKeyboardButCustom *button : qAsConst(m_keyButtons))
        button->setThemeColors(m_keyTextColor, m_selectedColor, m_keyBackgroundColor);
}
