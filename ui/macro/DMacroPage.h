// The macro editor: lists the macros of the macro store, shows the events of
// one macro as rows, records keyboard and mouse events through the global
// hook, edits events one by one, and exports and imports macros as files.
// Every change is stored at once; a change the store refuses is told as a
// failure and the open macro is read again from the store. Other parts learn
// of changed events only through sigMacroListHaveChanged.
#ifndef DMACROPAGE_H
#define DMACROPAGE_H

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <list>

#include "core/LumtarWinTypes.h"
#include "sdk/include/LumtarRecords.h"

class CbNotice;
class DCatchKeyAndMouseItem;
class DMacroListItem;
class QButtonGroup;
class QIntValidator;
class QVBoxLayout;

namespace Ui {
class DMacroPage;
}

class DMacroPage : public QDialog
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    void setMacroXmlPath(const char *path);

    // The recorder's clock: milliseconds, wrapping at 2^32 (the system's
    // monotonic clock unless replaced).
    void setTickSource(std::function<quint32()> source) { m_tickSource = std::move(source); }

    // Export and import without their file dialogs (the dialogs' answers).
    void exportMacroTo(const QString &folder, const QString &macroIndex, const QString &macroName);
    void importMacroFrom(const QString &filePath);

    // What the editor shows.
    bool isRecording() const { return m_isRecording; }
    QString currentMacroIndex() const { return m_currentMacroIndex; }
    QString currentMacroName() const { return m_currentMacroName; }
    int pressCount() const { return m_pressCount; }
    int totalTime() const { return m_totalTime; }
    QList<DMacroListItem *> macroRows() const { return m_macroRows; }
    QList<DCatchKeyAndMouseItem *> eventRows() const;
    int selectedEventPosition() const { return m_isEventSelected ? m_selectedEventPos : -1; }

signals:
    void sigMacroPageClose();
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);

public slots:
    void reject() override;
    void onLoadMacroList();
    void onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onModifyMacroItemNameFailed();
    void onDeleteMacro(QString strMacroIndex, QString strMacroName);
    void onExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                QString operateExplain);
    void onDeleteKeyAndMouseEvent();
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam);
    void toggleRecording();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onScrollSheetSet();
    void on_pushButton_Close_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_Import_clicked();
    void on_pushButton_ClearMacroLst_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();
    void on_pushButton_InsertMacro_clicked();
    void on_pushButton_ModifyMacro_clicked();
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();

private:
    // Dialog (DMacroPage.cpp)
    void setTexts();
    void loadMacroList();
    void clearMacroItems();
    void clearEventItems();
    DCatchKeyAndMouseItem *addEventRow(QString mark, int delay, QString type, int keyCode, QString codeName,
                                       QString operateExplain, int position);
    void emitMacroListChanged();
    void initButtonGroups();
    void updateAppTheme();
    void showTotalTime();
    void showNotice(const QString &text);
    QByteArray indexBytes() const { return m_currentMacroIndex.toLatin1(); }
    QString presentMacroName() const;
    bool switchHook(bool on);
    void closeOnce();

    // Recording (DMacroPageRecording.cpp)
    void setRecordButtonLook(bool recording);
    void recordKeyDown(QString codeName, int keyCode);
    void recordKeyUp();
    void recordMouseDown(QString codeName, int message);
    void recordMouseUp(QString codeName, int message);
    bool pressFits();
    void appendRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName,
                             QString operateExplain);
    void dropUnreleasedPresses();
    bool saveRecordedEvents();
    void discardRecordedEvents();
    int nextEventMark();
    quint32 now() const;
    int measuredDelay();

    // Commands (DMacroPageCommands.cpp)
    void restyleEventRows();
    int eventRowCount() const;
    DCatchKeyAndMouseItem *eventRowAt(int position) const;
    bool rewriteMacroFromRows();
    // After a refused write: the open macro's rows again as the store has them.
    void reloadOpenMacro();
    void refuseEdit(const QString &failureText);
    void moveSelectedEvent(bool up);

    Ui::DMacroPage *ui;
    char m_macroXmlPath[256] = {};
    QString m_exportDirectory;
    QVBoxLayout *m_macroListLayout = nullptr;
    QVBoxLayout *m_eventListLayout = nullptr;
    CbNotice *m_notice = nullptr;
    QMap<int, QString> m_keyCodeNameMap;
    QMap<int, int> m_vkToKeyCodeMap;
    QFont m_pageFont;
    QPointer<DMacroListItem> m_currentMacroRow;
    QList<DMacroListItem *> m_macroRows;
    QString m_currentMacroIndex;
    QString m_currentMacroName;
    QList<QPointer<DCatchKeyAndMouseItem>> m_eventRows;
    int m_pressCount = 0;
    int m_totalTime = 0;
    bool m_selectFirstRow = false;
    QString m_scrollBarSheet;
    QButtonGroup *m_delayGroup = nullptr;
    QIntValidator *m_delayValidator = nullptr;
    bool m_closing = false;

    // Recorder
    bool m_isRecording = false;
    int m_markCounter = 0;
    QMap<int, int> m_pressedMarks;
    QSet<int> m_openMarks; // marks of this recording still waiting for their release
    quint32 m_lastEventTime = 0;
    bool m_haveLastEvent = false;
    int m_lastDelay = 0;
    int m_releaseKeyCode = 0;
    QString m_releaseCaption;
    int m_releaseMark = 0;
    std::list<KeyOrMouseEventStu> m_recordedEvents;
    bool m_ignoreMouse = false;
    std::function<quint32()> m_tickSource;

    // Event selection and key capture
    bool m_isEventSelected = false;
    QPointer<DCatchKeyAndMouseItem> m_selectedRow;
    QString m_selectedMark;
    QString m_selectedDirection;
    int m_selectedStatus = 0;
    int m_selectedEventPos = 0;
    QString m_pendingKeyCaption;
    int m_pendingKeyCode = -1;
};

#endif
