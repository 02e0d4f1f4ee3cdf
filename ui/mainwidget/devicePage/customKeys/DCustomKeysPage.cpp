#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui_DCustomKeysPage.h"

#include <QButtonGroup>
#include <QDebug>
#include <QMovie>

#include "core/WindowsHookInterface.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarLight.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DChangProfilePage.h"
#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DGamePadView.h"
#include "ui/mainwidget/devicePage/customKeys/DHotKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyConfigFunctionPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyDisablePage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyWithTextPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyboardLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/customKeys/DMacroCmdPage.h"
#include "ui/mainwidget/devicePage/customKeys/DMouseKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DMultimediaPage.h"
#include "ui/mainwidget/devicePage/customKeys/DResetDefaultPage.h"
#include "ui/mainwidget/devicePage/customKeys/DSeniorKeysBindingPage.h"
#include "ui/mainwidget/devicePage/customKeys/DSideLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/customKeys/HookKeyRouter.h"
#include "ui/mainwidget/devicePage/customKeys/KeyItemIO.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/StyleSheetUpdate.h"
#include "widgets/ThemeColorText.h"
#include "widgets/ThemeStyleSheets.h"

namespace {

using Table = CustomKeysPageTable;

const char kLoadingMovie[] = ":/images/Loading.gif";

QFont sizedFont(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

} // namespace

DCustomKeysPage::DCustomKeysPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DCustomKeysPage)
{
    ui->setupUi(this);
    setTexts();
    // Also without a keyboard, when the main window does not reach this page.
    LanguageChangeHook::install(this, [this] { updateAllUI(); });

    DDataManager *data = DDataManager::getInstance();
    connect(data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar, this,
            &DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar);
    connect(data, &DDataManager::sigSeniorKeysListItemHaveChanged, this,
            &DCustomKeysPage::onSeniorKeysListItemHaveChanged);
    // Direct: the outcome is stored before the shared state's emit returns.
    connect(data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
            &DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord, Qt::DirectConnection);
    m_hook = new WindowsHookInterface(this);
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            &DCustomKeysPage::onKeyboardRecviveStream, Qt::DirectConnection);

    // The page's sheet is in place before the function pages are built
    // under it: set later, it would polish them all again.
    applyOwnTheme(data->themeColor());
    createFunctionPages();

    m_functionGroup = new QButtonGroup(this);
    for (const PageSlot &slot : qAsConst(m_slots))
        m_functionGroup->addButton(slot.button, slot.id);
    ui->toolButton_Default->setChecked(true);
    connect(m_functionGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Key);
    // Their pages open only for a key whose stored function is of their kind.
    ui->toolButton_SwitchProfile->hide();
    ui->toolButton_Disable->hide();
    resetFunctionButtonIcons();

    m_layerGroup = new QButtonGroup(this);
    m_layerGroup->addButton(ui->pushButton_DefaultLayer, 0);
    m_layerGroup->addButton(ui->pushButton_FnLayer, 1);
    ui->pushButton_DefaultLayer->setChecked(true);
    connect(m_layerGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Mode);

    m_loadingMovie = new QMovie(QString::fromLatin1(kLoadingMovie), QByteArray(), this);
    ui->label_Loading->setMovie(m_loadingMovie);
    ui->label_Loading->hide();
}

DCustomKeysPage::~DCustomKeysPage()
{
    // The pop-ups close with their pages; nothing is started any more.
    disconnect(m_changeKeyPage, nullptr, this, nullptr);
    disconnect(m_combinationPage, nullptr, this, nullptr);
    disconnect(DDataManager::getInstance(), nullptr, this, nullptr);
    if (m_runningHookMode != HookModePlan::NoMode)
        m_hook->stopHook();
    m_runningHookMode = HookModePlan::NoMode;
    delete ui;
}

void DCustomKeysPage::createFunctionPages()
{
    m_defaultPage = new DResetDefaultPage(ui->page_Default);
    m_changeKeyPage = new DChangeKeyPage(ui->page_RemapKey);
    m_combinationPage = new DKeyCombinationPage(ui->page_CombinationKey);
    m_seniorKeysPage = new DSeniorKeysBindingPage(ui->page_SeniorKeysBind);
    auto *disablePage = new DKeyDisablePage(ui->page_Disable);
    auto *textPage = new DKeyWithTextPage(ui->page_Text);
    m_slots = {
        {Table::DefaultPage, ui->toolButton_Default, ui->page_Default, m_defaultPage},
        {Table::MacroPage, ui->toolButton_Macro, ui->page_Macro, new DMacroCmdPage(ui->page_Macro)},
        {Table::RemapKeyPage, ui->toolButton_RemapKey, ui->page_RemapKey, m_changeKeyPage},
        {Table::MousePage, ui->toolButton_Mouse, ui->page_Mouse, new DMouseKeyPage(ui->page_Mouse)},
        {Table::TextPage, ui->toolButton_Text, ui->page_Text, textPage},
        {Table::DisablePage, ui->toolButton_Disable, ui->page_Disable, disablePage},
        {Table::MultimediaPage, ui->toolButton_Multimedia, ui->page_Multimedia,
         new DMultimediaPage(ui->page_Multimedia)},
        {Table::CombinationKeyPage, ui->toolButton_CombinationKey, ui->page_CombinationKey, m_combinationPage},
        {Table::OpenAppPage, ui->toolButton_OpenApp, ui->page_OpenApp, new DKeyWithAppPage(ui->page_OpenApp)},
        {Table::ShortcutsPage, ui->toolButton_Shortcuts, ui->page_Shortcuts, new DHotKeyPage(ui->page_Shortcuts)},
        {Table::SwitchProfilePage, ui->toolButton_SwitchProfile, ui->page_SwitchProfile,
         new DChangProfilePage(ui->page_SwitchProfile)},
        {Table::KeyConfigPage, ui->toolButton_KeyConfigFunction, ui->page_KeyConfigFunctionAbout,
         new DKeyConfigFunctionPage(ui->page_KeyConfigFunctionAbout)},
        {Table::KeyboardLightPage, ui->toolButton_KBLightAbout, ui->page_KeyboardLightAbout,
         new DKeyboardLightCustomEventPage(ui->page_KeyboardLightAbout)},
        {Table::SideLightPage, ui->toolButton_SideLightAbout, ui->page_SideLightAbout,
         new DSideLightCustomEventPage(ui->page_SideLightAbout)},
        {Table::SeniorKeysPage, ui->toolButton_SeniorKeys, ui->page_SeniorKeysBind, m_seniorKeysPage},
        {Table::GamePadPage, ui->toolButton_GamePad, ui->page_GamePad, new DGamePadView(ui->page_GamePad)},
    };

    for (const PageSlot &slot : qAsConst(m_slots)) {
        slot.stackPage->layout()->addWidget(slot.page);
        // The Default page removes items: its key is marked only while it
        // still has a function.
        if (slot.page == m_defaultPage)
            connect(slot.page, &DKeyFunctionPage::sigShoudUpdateKeyboard, this,
                    &DCustomKeysPage::onKeyboardAlreadyLoad);
        else
            connect(slot.page, &DKeyFunctionPage::sigShoudUpdateKeyboard, this,
                    &DCustomKeysPage::onShoudUpdateKeyboard);
        // A remap or a key combination is stored without a message.
        if (slot.page != m_changeKeyPage && slot.page != m_combinationPage)
            connect(slot.page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, this,
                    &DCustomKeysPage::onCustomKeyInfoSaveSuccessful);
        connect(slot.page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed, this,
                &DCustomKeysPage::onCustomKeyInfoSaveFailed);
    }
    for (DTargetKeyPage *page : {static_cast<DTargetKeyPage *>(m_changeKeyPage),
                                 static_cast<DTargetKeyPage *>(m_combinationPage)})
        connect(page, &DTargetKeyPage::sigMesgStartOrStopHook, this, &DCustomKeysPage::onMesgStartOrStopHook);
    connect(textPage, &DKeyWithTextPage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
    connect(disablePage, &DKeyDisablePage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
}

void DCustomKeysPage::setTexts()
{
    ui->pushButton_DefaultLayer->setText(QObject::tr("Default layer"));
    ui->pushButton_FnLayer->setText(QObject::tr("FN layer"));
    ui->pushButton_Download->setText(QObject::tr("Download"));
    ui->label->setText(QObject::tr("Type:"));
    ui->label_2->setText(QObject::tr("Function:"));
    ui->label_3->setText(QObject::tr("Key"));
}

const DCustomKeysPage::PageSlot *DCustomKeysPage::slotOf(int pageId) const
{
    const CustomKeysPageTable::Page *page = Table::page(pageId);
    if (!page)
        return nullptr;
    for (const PageSlot &slot : m_slots)
        if (slot.id == page->id)
            return &slot;
    return nullptr;
}

DKeyFunctionPage *DCustomKeysPage::functionPage(int pageId) const
{
    const PageSlot *slot = slotOf(pageId);
    return slot ? slot->page : nullptr;
}

CustomButton *DCustomKeysPage::functionButton(int pageId) const
{
    const PageSlot *slot = slotOf(pageId);
    return slot ? slot->button : nullptr;
}

DKeyFunctionPage *DCustomKeysPage::shownFunctionPage() const
{
    for (const PageSlot &slot : m_slots)
        if (slot.stackPage == ui->stackedWidget_Customize->currentWidget())
            return slot.page;
    return nullptr;
}

void DCustomKeysPage::setCurrentProfileIndex(int index)
{
    m_profileIndex = index;
}

void DCustomKeysPage::setXmlProfilePath(const char *path)
{
    // A capture belongs to the key and profile it was opened for.
    closeCapturePopups();
    lumtarCopyField(m_profilePath, path);
}

// ---- opening the function pages ----------------------------------------------

void DCustomKeysPage::openDefaultPageWithoutKey()
{
    ui->toolButton_Default->setChecked(true);
    m_suppressKeyCheck = true;
    onCurIndexChanged_Key(Table::DefaultPage);
    m_suppressKeyCheck = false;
}

void DCustomKeysPage::onCurIndexChanged_Key(int selIndex)
{
    if (DDataManager::getInstance()->clickedKeyCode() == KeyItemIO::NoKey && !m_suppressKeyCheck) {
        emit sigSomeMessageTip_CustomKeysPage(QObject::tr("Please select one Key first"));
        ui->toolButton_Default->setChecked(true);
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
        return;
    }

    m_currentPageId = selIndex;
    resetFunctionButtonIcons();
    if (const PageSlot *slot = slotOf(selIndex)) {
        slot->button->setSelected(true);
        m_operateCode = Table::page(selIndex)->operateCode;
        slot->button->setChecked(true);
        ui->stackedWidget_Customize->setCurrentWidget(slot->stackPage);
        slot->page->loadKeyOperateInfo();
    }
    qDebug() << "Operate changed [CustomKeys->NextItem]:" << m_operateCode;
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    emit sigAutoIntoCustomKeysPage();
    ui->label_KeyChar->setText(strChar);

    const KeyItemIO light(keyCode, strChar, m_profileIndex, m_profilePath);
    std::optional<KeyOperateInfoStu> item = light.read();
    if (!item && DDataManager::getInstance()->isMagneticKeyboard())
        item = light.withHeavyPress().read();

    // A key without an item, or with one no page edits, opens the Default
    // page, which then holds this key (and can remove such an item).
    const int pageId = item ? Table::pageForType(KeyItemIO::fieldNumber(item->type)) : Table::DefaultPage;
    onCurIndexChanged_Key(pageId == Table::NoPage ? int(Table::DefaultPage) : pageId);
}

void DCustomKeysPage::onClickedCancel()
{
    openDefaultPageWithoutKey();
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged()
{
    if (m_operateCode == Table::page(Table::SeniorKeysPage)->operateCode)
        m_seniorKeysPage->loadKeyOperateInfo();
}

void DCustomKeysPage::showDefaultFunctionPage()
{
    DDataManager *data = DDataManager::getInstance();
    m_operateCode = Table::page(Table::DefaultPage)->operateCode;
    ui->toolButton_Default->setChecked(true);
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
    m_defaultPage->loadKeyOperateInfo();
    ui->toolButton_SeniorKeys->setVisible(data->isMagneticKeyboard());
    ui->toolButton_GamePad->setVisible(data->gamePadMode() == 1 || data->gamePadMode() == 2);
}

void DCustomKeysPage::setLightHeavySelectVisible(int layer)
{
    m_defaultPage->setLightHeavySelectVisible(layer == 0);
    m_changeKeyPage->setLightHeavySelectVisible(layer == 0);
    m_combinationPage->setLightHeavySelectVisible(layer == 0);
}

// ---- the global hook -----------------------------------------------------------

bool DCustomKeysPage::applyHookMode(bool restart)
{
    const int wanted = m_hookPlan.wantedMode();
    if (wanted == m_runningHookMode && !restart)
        return true;
    if (m_runningHookMode != HookModePlan::NoMode)
        m_hook->stopHook();
    m_runningHookMode = HookModePlan::NoMode;
    if (wanted == HookModePlan::NoMode)
        return true;
    m_hookMode = wanted;
    if (!m_hook->startHook(wanted))
        return false;
    m_runningHookMode = wanted;
    return true;
}

void DCustomKeysPage::setLightInteractionHook(bool on, int unused)
{
    Q_UNUSED(unused);
    m_hookPlan.setLightInteraction(on);
    applyHookMode();
}

bool DCustomKeysPage::setMacroRecordHook(bool start)
{
    bool result = true;
    if (start) {
        m_hookPlan.setRecording(true);
        result = applyHookMode(true);
        if (!result) {
            // Nothing records: what ran before comes back.
            m_hookPlan.setRecording(false);
            applyHookMode();
        }
    } else {
        m_hookPlan.setRecording(false);
        applyHookMode();
    }
    DDataManager::getInstance()->setHookRunning(result);
    return result;
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    setMacroRecordHook(isStartHook);
}

void DCustomKeysPage::onMesgStartOrStopHook(bool isStartHook)
{
    int capture = HookModePlan::NoMode;
    if (isStartHook && m_operateCode == HookKeyRouter::RemapOperateCode)
        capture = HookModePlan::RemapCaptureMode;
    else if (isStartHook && m_operateCode == HookKeyRouter::CombinationOperateCode)
        capture = HookModePlan::CombinationCaptureMode;
    m_hookPlan.setCapture(capture);
    applyHookMode(capture != HookModePlan::NoMode);
}

void DCustomKeysPage::closeCapturePopups()
{
    m_changeKeyPage->closePopup();
    m_combinationPage->closePopup();
}

void DCustomKeysPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(scCode);
    const DDataManager *data = DDataManager::getInstance();
    const HookKeyRouter::Outcome outcome = HookKeyRouter::route(
        keyCode, flag, hookFlag, m_runningHookMode, m_operateCode, data->vkToKeyCodeMap(),
        [data](int code) -> std::optional<QPoint> {
            const keyboardButCustom *key = data->keyButtonMap().value(code, nullptr);
            if (!key)
                return std::nullopt;
            return QPoint(key->gridRow(), key->gridColumn());
        });
    switch (outcome.route) {
    case HookKeyRouter::Route::Dropped:
        break;
    case HookKeyRouter::Route::LightPoint:
        CLumtarHid_keyClickedSendXY(outcome.row, outcome.column);
        emit sigInteractLightsPointXY(outcome.row, outcome.column);
        break;
    case HookKeyRouter::Route::RemapTarget:
        m_changeKeyPage->setTargetKey(outcome.keyCode);
        break;
    case HookKeyRouter::Route::CombinationKey:
        m_combinationPage->addCapturedKey(outcome.keyCode);
        break;
    }
}

void DCustomKeysPage::initCustomKeysStatus(int layerIndex)
{
    DDataManager *data = DDataManager::getInstance();
    ui->toolButton_SideLightAbout->setVisible(data->hasSideLight());
    for (keyboardButCustom *key : data->keyButtonList())
        if (key)
            key->setLightColorShow(false);
    m_isDownloading = false;
    closeCapturePopups();
    openDefaultPageWithoutKey();
    showLayer(layerIndex);
    ui->label_KeyChar->setText(QStringLiteral("NULL"));
    data->clearClickedKey();
    m_defaultPage->clearSelectedKey();
}

// ---- key marks -------------------------------------------------------------------

bool DCustomKeysPage::keyHasLightPressInfo(int keyCode) const
{
    const DDataManager *data = DDataManager::getInstance();
    if (!data->isMagneticKeyboard() || !data->isHeavyPressLayerEnabled())
        return false;
    return KeyItemIO(keyCode, QString(), m_profileIndex, m_profilePath).read().has_value();
}

bool DCustomKeysPage::keyHasHeavyPressInfo(int keyCode) const
{
    const DDataManager *data = DDataManager::getInstance();
    if (!data->isMagneticKeyboard() || !data->isHeavyPressLayerEnabled())
        return false;
    return KeyItemIO(keyCode, QString(), 1, nullptr).withHeavyPress().read().has_value();
}

void DCustomKeysPage::markKey(int keyCode, bool marked)
{
    DDataManager *data = DDataManager::getInstance();
    keyboardButCustom *key = data->keyButtonMap().value(keyCode, nullptr);
    if (!key)
        return;
    const QColor colour = keyHasHeavyPressInfo(keyCode) ? data->customizedKeyMarkColor()
                                                        : themeRgb(data->themeColor().TextCheckedColor, 255);
    key->setMarkFillColor(colour);
    key->setMarkBorderColor(colour);
    key->setMarked(marked);
}

void DCustomKeysPage::onShoudUpdateKeyboard(int keyDec)
{
    markKey(keyDec, true);
}

void DCustomKeysPage::onKeyboardAlreadyLoad(int keyDec)
{
    markKey(keyDec, keyHasHeavyPressInfo(keyDec) || keyHasLightPressInfo(keyDec));
}

// ---- messages ----------------------------------------------------------------------

void DCustomKeysPage::onCustomKeyInfoSaveSuccessful()
{
    emit sigSomeMessageTip_CustomKeysPage(QObject::tr("Operate successful"));
}

QString DCustomKeysPage::saveFailedText(int operateType, int errorIndex)
{
    if (errorIndex == DKeyFunctionPage::ErrorStoreWriteFailed)
        return QObject::tr("Setting failed, the profile could not be written");
    if (operateType == KeyOperate_Text && errorIndex == DKeyFunctionPage::ErrorNoKeyOrEmptyText)
        return QObject::tr("Setting failed because the text is empty");
    if (operateType == DKeyFunctionPage::NoKeyOperateType && errorIndex == DKeyFunctionPage::ErrorNoKeyOrEmptyText)
        return QObject::tr("Please select one Key first");
    if (operateType == KeyOperate_Text && errorIndex == DKeyFunctionPage::ErrorTooLong)
        return QObject::tr("The text is too long");
    if (operateType == KeyOperate_LaunchApp && errorIndex == DKeyFunctionPage::ErrorTooLong)
        return QObject::tr("The program path is too long");
    if (operateType == KeyOperate_Macro && errorIndex == DMacroCmdPage::ErrorNoSuchMacro)
        return QObject::tr("The macro is no longer stored");
    return QObject::tr("Unknow");
}

void DCustomKeysPage::onCustomKeyInfoSaveFailed(int operateType, int errorIndex)
{
    emit sigSomeMessageTip_CustomKeysPage(saveFailedText(operateType, errorIndex));
}

// ---- layers and download -------------------------------------------------------

void DCustomKeysPage::showLayer(int layer)
{
    if (layer == 0)
        ui->pushButton_DefaultLayer->setChecked(true);
    else if (layer == 1)
        ui->pushButton_FnLayer->setChecked(true);
}

void DCustomKeysPage::onCurIndexChanged_Mode(int selIndex)
{
    closeCapturePopups();
    showLayer(selIndex == 0 ? 0 : 1);
    emit sigDefaultLayerAndFnLayerSwitch(selIndex);
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_isDownloading)
        return;
    m_isDownloading = true;
    m_loadingMovie->start();
    ui->label_Loading->show();
    emit sigTheKeyboardIntoDownloading();
}

void DCustomKeysPage::stopDownloadingAnimation()
{
    m_isDownloading = false;
    m_loadingMovie->stop();
    ui->label_Loading->hide();
}

// ---- language and theme ----------------------------------------------------------

void DCustomKeysPage::resetFunctionButtonIcons()
{
    for (const PageSlot &slot : qAsConst(m_slots)) {
        const CustomKeysPageTable::Page *page = Table::page(slot.id);
        slot.button->setIconAndText(QString::fromLatin1(page->icon), Table::caption(slot.id));
        slot.button->setSelected(false);
    }
}

void DCustomKeysPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
    ui->label_Loading->setMovie(m_loadingMovie);
    for (const PageSlot &slot : qAsConst(m_slots))
        slot.page->updateAllUI();
    resetFunctionButtonIcons();
    if (m_currentPageId != -1)
        if (const PageSlot *slot = slotOf(m_currentPageId))
            slot->button->setSelected(true);
}

void DCustomKeysPage::applyOwnTheme(const ThemeColor &theme)
{
    const QFont normalFont = DDataManager::getInstance()->themeFont(1);
    setStyleSheetIfChanged(
        this, QStringLiteral("QFrame#frame_Bg01{background-color: rgb(%1); border: none; border-radius: 0px;}"
                             "QFrame#frame_4{border: 3px solid rgb(%2); border-radius: 8px;}")
                  .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor));
    const QString caption = QStringLiteral("color: rgb(%1);").arg(theme.TextDefaultColor);
    const QList<QLabel *> captions = {ui->label, ui->label_2, ui->label_3};
    for (QLabel *label : captions) {
        setStyleSheetIfChanged(label, caption);
        label->setFont(sizedFont(normalFont, 12));
    }
    const QString layerStyle =
        QStringLiteral("QPushButton{color: rgb(%1); border-radius: 8px; border: 2px solid rgb(%3); "
                       "background-color: rgb(%4);}"
                       "QPushButton:checked, QPushButton:hover, QPushButton:pressed{color: rgb(%2);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.DeviceBorderColor, theme.DeviceRightBgColor);
    setStyleSheetIfChanged(ui->pushButton_DefaultLayer, layerStyle);
    setStyleSheetIfChanged(ui->pushButton_FnLayer, layerStyle);
    ui->pushButton_DefaultLayer->setFont(sizedFont(normalFont, 10));
    ui->pushButton_FnLayer->setFont(sizedFont(normalFont, 10));
    setStyleSheetIfChanged(ui->label_KeyChar,
                           QStringLiteral("QLabel#label_KeyChar{color: rgb(%1); border: 3px solid rgb(%2); "
                                          "border-radius: 8px;}")
                               .arg(theme.TextCheckedColor, theme.DeviceBorderColor));
    ui->label_KeyChar->setFont(sizedFont(normalFont, 12));
    setStyleSheetIfChanged(ui->pushButton_Download, pageButtonStyleSheet(theme, 2));
    ui->pushButton_Download->setFont(sizedFont(normalFont, 12));
}

void DCustomKeysPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    applyOwnTheme(theme);
    for (const PageSlot &slot : qAsConst(m_slots)) {
        slot.page->updateAppTheme();
        slot.button->setThemeColors(themeRgb(theme.DeviceBorderColor, 255), themeRgb(theme.MacroListItemHoverColor, 255),
                                    themeRgb(theme.MacroListItemSelectedColor, 255),
                                    themeRgb(theme.TextDefaultColor, 255), themeRgb(theme.TextCheckedColor, 255),
                                    theme.TextFont);
    }
}
