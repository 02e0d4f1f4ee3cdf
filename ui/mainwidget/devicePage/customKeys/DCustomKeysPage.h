// The key-assignment page: it hosts the sixteen key-function pages with one
// function button each, names the key selected on the keyboard view and
// opens the page of that key's stored function, marks the keys that carry a
// function, switches between the default and the Fn layer, and asks the
// device page to write the profile into the keyboard ("Download").
#ifndef DCUSTOMKEYSPAGE_H
#define DCUSTOMKEYSPAGE_H

#include <QString>
#include <QVector>
#include <QWidget>

#include "core/DDataManager.h"
#include "ui/mainwidget/devicePage/customKeys/HookModePlan.h"

namespace Ui {
class DCustomKeysPage;
}

class CustomButton;
class DChangeKeyPage;
class DKeyCombinationPage;
class DKeyFunctionPage;
class DResetDefaultPage;
class DSeniorKeysBindingPage;
class QButtonGroup;
class QMovie;
class WindowsHookInterface;

class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget *parent = nullptr);
    ~DCustomKeysPage() override;

    // Called by the device page after every profile load (a path of at most 255 bytes).
    void setCurrentProfileIndex(int index);
    void setXmlProfilePath(const char *path);
    // When a device was opened: the Default page, and the buttons the
    // keyboard offers.
    void showDefaultFunctionPage();
    // 0 on the default layer of a magnetic-switch keyboard: the pages with a
    // light / heavy press choice may offer it.
    void setLightHeavySelectVisible(int layer);
    // Light interaction: pressed keys go to the light engine and the light
    // preview while no capture or recording needs the hook.
    void setLightInteractionHook(bool on, int unused = 0);
    // Starts or stops the macro recording mode; the outcome also goes to the
    // shared state. A start that fails gives the hook back to what ran.
    bool setMacroRecordHook(bool start);
    // Closes the pop-up keyboards of the remap and key-combination pages,
    // which ends their key capture.
    void closeCapturePopups();
    // Each time the page is shown: no key selected, the Default page, the
    // layer buttons of the layer shown (0 default, 1 Fn).
    void initCustomKeysStatus(int layerIndex);
    void updateAllUI();
    void updateAppTheme();
    // The device page's download has ended, whatever its outcome.
    void stopDownloadingAnimation();

    // Whether the key has an item in the current profile file (light press)
    // or in the heavy-press file; both only on the default layer of a
    // magnetic-switch keyboard, false otherwise.
    bool keyHasLightPressInfo(int keyCode) const;
    bool keyHasHeavyPressInfo(int keyCode) const;
    void resetFunctionButtonIcons();

    // The message shown for a page's failure pair (operate type, error index).
    static QString saveFailedText(int operateType, int errorIndex);

    int currentPageId() const { return m_currentPageId; }
    int operateCode() const { return m_operateCode; }
    bool isDownloading() const { return m_isDownloading; }
    // The mode last started (999 before the first), and the mode running
    // now (999 for none).
    int hookMode() const { return m_hookMode; }
    int runningHookMode() const { return m_runningHookMode; }
    const HookModePlan &hookPlan() const { return m_hookPlan; }
    // The function page of a page id, and the page shown.
    DKeyFunctionPage *functionPage(int pageId) const;
    DKeyFunctionPage *shownFunctionPage() const;
    CustomButton *functionButton(int pageId) const;

signals:
    void sigTheKeyboardIntoDownloading();
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);

public slots:
    void onCurIndexChanged_Key(int selIndex);
    void onCurIndexChanged_Mode(int selIndex);
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onKeyboardAlreadyLoad(int keyDec);
    void onShoudUpdateKeyboard(int keyDec);
    void onCustomKeyInfoSaveSuccessful();
    void onClickedCancel();
    void onCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void onSeniorKeysListItemHaveChanged();
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void onMesgStartOrStopHook(bool isStartHook);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void on_pushButton_Download_clicked();

private:
    // One function page with its button and its page in the stack.
    struct PageSlot {
        int id;
        CustomButton *button;
        QWidget *stackPage;
        DKeyFunctionPage *page;
    };

    void createFunctionPages();
    // The sheets and fonts of the page's own widgets.
    void applyOwnTheme(const ThemeColor &theme);
    void setTexts();
    void showLayer(int layer);
    void openDefaultPageWithoutKey();
    void markKey(int keyCode, bool marked);
    const PageSlot *slotOf(int pageId) const;
    // Runs the hook in the mode the plan wants, restarting it when asked;
    // false when that mode could not be started.
    bool applyHookMode(bool restart = false);

    Ui::DCustomKeysPage *ui;
    QVector<PageSlot> m_slots;
    DResetDefaultPage *m_defaultPage = nullptr;
    DChangeKeyPage *m_changeKeyPage = nullptr;
    DKeyCombinationPage *m_combinationPage = nullptr;
    DSeniorKeysBindingPage *m_seniorKeysPage = nullptr;
    QButtonGroup *m_functionGroup = nullptr;
    QButtonGroup *m_layerGroup = nullptr;
    QMovie *m_loadingMovie = nullptr;
    WindowsHookInterface *m_hook = nullptr;
    HookModePlan m_hookPlan;
    int m_hookMode = HookModePlan::NoMode;
    int m_runningHookMode = HookModePlan::NoMode;

    int m_profileIndex = 1;
    char m_profilePath[DDataManager::PathBufferSize] = {};
    bool m_isDownloading = false;
    bool m_suppressKeyCheck = false;
    int m_currentPageId = -1;
    int m_operateCode = -1;
};

#endif
