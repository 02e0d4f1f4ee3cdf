// The performance page: Windows-key lock, sleep times and gamepad mode.
#ifndef DPERFORMANCEPAGE_H
#define DPERFORMANCEPAGE_H

#include <QWidget>

class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    void setCurrentProfileIndex(int index);
    void setXmlProfilePath(const char *path);
    void loadPerformanceInfo();
    void updateGamePadModeShow();
    void updateAllUI();
    void updateAppTheme();

signals:
    void sigLightAndKeyboardSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleepStatus);
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigSetCurrentGamePadModeIndex(int gamePadIndex);
    void sigResetoreCurrentProfile();

public slots:
    void on_pushButton_Restore_clicked();

private:
    int m_currentProfileIndex = 1;
    char m_xmlProfilePath[256] = {};
};

#endif
