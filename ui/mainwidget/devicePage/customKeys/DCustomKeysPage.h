// The key-assignment page: one function per key of the current profile,
// chosen from its function pages, and the "Download" button.
#ifndef DCUSTOMKEYSPAGE_H
#define DCUSTOMKEYSPAGE_H

#include <QString>
#include <QWidget>

class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget *parent = nullptr);
    ~DCustomKeysPage() override;

    void setCurrentProfileIndex(int index);
    void setXmlProfilePath(const char *path);
    void showDefaultFunctionPage();
    void setLightHeavySelectVisible(int layer);
    void setLightInteractionHook(bool on, int unused = 0);
    void initCustomKeysStatus(int layerIndex);
    void updateAllUI();
    void updateAppTheme();
    void stopDownloadingAnimation();

signals:
    void sigTheKeyboardIntoDownloading();
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);

public slots:
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void on_pushButton_Download_clicked();

private:
    int m_currentProfileIndex = 1;
    char m_xmlProfilePath[256] = {};
};

#endif
