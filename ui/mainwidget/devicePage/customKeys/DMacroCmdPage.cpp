#include "ui/mainwidget/devicePage/customKeys/DMacroCmdPage.h"
#include "ui_DMacroCmdPage.h"

#include <QButtonGroup>
#include <QIntValidator>
#include <QTimer>

#include <list>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "device/RecordFieldText.h"
#include "widgets/GridReflow.h"
#include "widgets/StyleSheetUpdate.h"

namespace {

enum PlayMode { PlayOnce = 1, PlayCountTimes = 2, PlayToggle = 3, PlayWhileHeld = 4 };

// The count field's text as a play count, or nothing outside 1 to 255.
std::optional<int> playCountOf(const QString &text)
{
    bool isNumber = false;
    const int count = text.trimmed().toInt(&isNumber);
    if (!isNumber || count < 1 || count > DMacroCmdPage::MaxPlayCount)
        return std::nullopt;
    return count;
}

} // namespace

DMacroCmdPage::DMacroCmdPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DMacroCmdPage)
{
    ui->setupUi(this);
    // Long play-mode names take fewer columns instead of being cut.
    GridReflow::install(ui->gridLayout);
    ui->lineEdit_playMany->setValidator(new QIntValidator(1, MaxPlayCount, ui->lineEdit_playMany));
    m_modes = new QButtonGroup(this);
    m_modes->addButton(ui->radioButton_playOne, PlayOnce);
    m_modes->addButton(ui->radioButton_playMany, PlayCountTimes);
    m_modes->addButton(ui->radioButton_playKeyPressRelStop, PlayToggle);
    m_modes->addButton(ui->radioButton_playWhellKeyPress, PlayWhileHeld);
    ui->radioButton_playOne->setChecked(true);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);
    connect(m_modes, &QButtonGroup::idClicked, this, &DMacroCmdPage::onPlayModeClicked);
    connect(ui->comboBox_Macro, QOverload<int>::of(&QComboBox::activated), this, &DMacroCmdPage::onComboxActivated);
    setTexts();
}

DMacroCmdPage::~DMacroCmdPage()
{
    delete ui;
}

void DMacroCmdPage::setTexts()
{
    ui->label->setText(tr("Play Type"));
    ui->radioButton_playOne->setText(tr("Play once"));
    ui->radioButton_playMany->setText(tr("Play multiple times"));
    ui->radioButton_playKeyPressRelStop->setText(tr("Continous playback on/off"));
    ui->radioButton_playWhellKeyPress->setText(tr("Play while assigned key is pressed"));
    ui->label_3->setText(tr("Play Number"));
    ui->lineEdit_playMany->setPlaceholderText(tr("Play Number 1,2,3..."));
    ui->label_2->setText(tr("Assign Macro"));
}

void DMacroCmdPage::loadKeyOperateInfo()
{
    DKeyFunctionPage::loadKeyOperateInfo();
    DDataManager::getInstance()->copyMacroXmlPath(m_macroPath);
    m_macroPath[sizeof m_macroPath - 1] = '\0';
    m_macroIndex = 0;
    m_count = 1;
    m_mode = PlayOnce;

    const QSignalBlocker comboBlocker(ui->comboBox_Macro);
    const QSignalBlocker countBlocker(ui->lineEdit_playMany);
    ui->radioButton_playOne->setChecked(true);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);

    ui->comboBox_Macro->clear();
    LumtarIndexNameList macros;
    CLumtarXML_SelectMacroAllNodes(m_macroPath, &macros);
    for (const auto &macro : macros)
        ui->comboBox_Macro->addItem(QString::fromStdString(macro.second), QString::fromStdString(macro.first));
    ui->comboBox_Macro->setCurrentIndex(ui->comboBox_Macro->count() > 0 ? 0 : -1);

    if (!m_storedItem || KeyItemIO::fieldNumber(m_storedItem->type) != KeyOperate_Macro)
        return;
    const int mode = KeyItemIO::fieldNumber(m_storedItem->mode);
    if (QAbstractButton *button = m_modes->button(mode))
        button->setChecked(true);
    if (mode == PlayCountTimes) {
        ui->lineEdit_playMany->setText(QString::fromUtf8(recordFieldText(m_storedItem->count)));
        ui->lineEdit_playMany->setEnabled(true);
    }
    // The stored macro by its index (two macros may share a name); one the
    // store no longer lists leaves the first shown, and is kept.
    const int stored = KeyItemIO::fieldNumber(m_storedItem->value, 0);
    for (int entry = 0; entry < ui->comboBox_Macro->count(); ++entry) {
        if (KeyItemIO::textNumber(ui->comboBox_Macro->itemData(entry).toString().toLatin1(), 0) == stored) {
            ui->comboBox_Macro->setCurrentIndex(entry);
            break;
        }
    }
    m_macroIndex = stored;
    m_count = KeyItemIO::fieldNumber(m_storedItem->count, 1);
    m_mode = mode;
}

void DMacroCmdPage::onPlayModeClicked(int mode)
{
    ui->lineEdit_playMany->setEnabled(mode == PlayCountTimes);
    m_mode = mode;
    applyPlayChoice();
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString &text)
{
    if (const std::optional<int> count = playCountOf(text))
        m_count = *count;
    applyPlayChoice();
}

void DMacroCmdPage::onComboxActivated(int index)
{
    m_macroIndex = KeyItemIO::textNumber(ui->comboBox_Macro->itemData(index).toString().toLatin1(), 0);
    applyPlayChoice();
}

void DMacroCmdPage::applyPlayChoice()
{
    const int mode = m_modes->checkedId();
    if (mode < PlayOnce)
        return;
    m_mode = mode;
    int count = 1;
    if (mode == PlayCountTimes) {
        // While the field holds no count (empty, or 0 on the way to 05),
        // nothing is stored.
        const std::optional<int> typed = playCountOf(ui->lineEdit_playMany->text());
        if (!typed)
            return;
        count = m_count = *typed;
    }
    saveKeyOperateInfo(count, mode, m_macroIndex);
}

void DMacroCmdPage::saveKeyOperateInfo(int count, int mode, int macroIndex)
{
    if (mode != PlayCountTimes)
        count = 1;
    if (macroIndex == 0) {
        // Nothing picked or stored yet: the macro the list shows; with no
        // macro at all there is nothing to bind.
        if (ui->comboBox_Macro->currentIndex() < 0)
            return;
        macroIndex = KeyItemIO::textNumber(ui->comboBox_Macro->currentData().toString().toLatin1(), 0);
        if (macroIndex == 0)
            return;
        m_macroIndex = macroIndex;
    }
    if (!m_keyItem.hasKey()) {
        emit sigCustomKeyInfoSaveFailed(NoKeyOperateType, ErrorNoKeyOrEmptyText);
        return;
    }

    // The profile gets its copy of the macro (which the download sends) when
    // no key of it used the macro yet, or the copy went missing; the copy
    // and the key's item are stored in one write, so a macro key never goes
    // to the keyboard without its macro.
    const QByteArray index = QByteArray::number(macroIndex);
    std::list<KeyOrMouseEventStu> events;
    const bool needsCopy = m_keyItem.countItems("1", index) < 1 || !m_keyItem.hasMacroCopy(macroIndex);
    if (needsCopy && !CLumtarXML_SelectAllKeyOrMouseEvent(m_macroPath, index.constData(), &events)) {
        emit sigCustomKeyInfoSaveFailed(KeyOperate_Macro, ErrorNoSuchMacro);
        return;
    }
    reportStored(KeyOperate_Macro, m_keyItem.replaceWithMacro(count, mode, macroIndex, needsCopy ? &events : nullptr));
}

void DMacroCmdPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}

void DMacroCmdPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(this, framedPageStyle(
        QStringLiteral("QLabel{color: rgb(%2); font: 75 12pt \"%4\";}"
                       "QLineEdit{color: rgb(%2); font: 75 10pt \"%4\"; background-color: rgb(%1); "
                       "border: 1px solid rgb(%5); border-radius: 4px;}"
                       "QLineEdit:hover, QLineEdit:focus{border: 1px solid rgb(%3);}"
                       "QLineEdit:disabled{color: rgb(%5);}")
            .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                 theme.DeviceBorderColor)
        + radioButtonStyle(theme)));
    styleComboBox(ui->comboBox_Macro, theme);
    setStyleSheetIfChanged(
        ui->scrollAreaWidgetContents,
        QStringLiteral("QWidget#scrollAreaWidgetContents{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
    m_scrollSheet = scrollBarStyle(theme);
    QTimer::singleShot(200, this, &DMacroCmdPage::onScrollSheetSet);
}

void DMacroCmdPage::onScrollSheetSet()
{
    setStyleSheetIfChanged(ui->widget_4, m_scrollSheet);
}
