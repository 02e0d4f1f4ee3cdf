// The advanced-key editor: creates, lists, selects, edits and deletes the
// DKS, MT and TGL keys of the advanced-key store, at most forty. Every edit
// is stored the moment it is made; there is no save and no cancel. A change
// the store refuses is told as a failure and the editor reads the store
// again, so that it shows what is stored. When the editor closes, by any
// way, and records were created or deleted, the shared state tells the
// key-assignment page, which offers the records for binding.
#ifndef DSENIORKEYSPAGE_H
#define DSENIORKEYSPAGE_H

#include <QDialog>
#include <QMap>
#include <QPointer>
#include <QString>

#include "core/DDataManager.h"
#include "sdk/include/LumtarRecords.h"
#include "ui/seniorKeys/ComboKeyRecorder.h"
#include "ui/seniorKeys/DStrokeConfigView.h"

class ArrowWidget;
class CbNotice;
class DAllKeysShowPage;
class DDksShowWidget;
class DSeniorKeyEventListItem;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace Ui {
class DSeniorKeysPage;
}

class DSeniorKeysPage : public QDialog
{
    Q_OBJECT

public:
    // Why the list is read again: which record is shown afterwards.
    enum ReloadReason { FirstLoad = 0, Created = 1, ShownDeleted = 2, OtherDeleted = 3, EditRefused = 4 };

    explicit DSeniorKeysPage(QWidget *parent = nullptr);
    ~DSeniorKeysPage() override;

    // What the editor shows, for the tests' sake.
    SeniorKeyInfoStu currentRecord() const { return m_currentRecord; }
    bool isRecordShown() const { return m_currentRow != nullptr; }
    int recordCount() const { return m_recordMap.size(); }
    DDksShowWidget *dksShowWidget() const { return m_dksShowWidget; }
    DAllKeysShowPage *allKeysPage() const { return m_allKeysPage; }
    DSeniorKeyEventListItem *rowOf(int id) const { return m_rowMap.value(id); }
    ArrowWidget *explainPopup() const { return m_explainPopup; }
    DStrokeConfigView *strokeConfigView() const { return m_strokeView; }
    QWidget *strokeOverlay() const { return m_strokeOverlay; }

    // The caption of a slot text with the picker's key names.
    QString formatKeyText(const QString &slotText) const;

signals:
    void sigSeniorKeysPageClose();

public slots:
    void reject() override;

private slots:
    void onScrollSheetSet();
    void onLoadDksPage();
    void onDksPageMouseMovePointXY(int posX, int posY);
    void onTheSeniorKeyInfoStuNeedUpdate_DKS();
    void onOperateTypeChanged(int index);
    void onSksSelKeyChanged(int index);
    void onMtSelKeyChanged(int index);
    void onKeyListClicked(int keyDec, QString keyCharacter);
    void onDeleteSeniorKeyEventItem(int keyType, int bindingIndex);
    void onSeniorKeyEventItemClick(int bindingIndex);
    void onSliderHoldDurationValue(int HoldDurationValue);
    void onSliderHoldDurationReleased();
    void onLickActivited_Stroke01(QString str);
    void onLickActivited_Stroke04(QString str);
    void onTheStrokeConfigViewClose();
    void onTheDKSStrokeStuChanged();
    void onTheDKSStrokeStuRefused();
    void on_pushButton_Close_clicked();
    void on_pushButton_NewCreate_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Lifetime, list and theme (DSeniorKeysPage.cpp).
    void updateAppTheme();
    void reloadSeniorKeyList(int reason);
    void clearSeniorKeyItems();
    void showSeniorKeyRecord(int id);
    void showNotice(const QString &text, QPoint centre = QPoint());
    // Stores the shown record; a refusal is told and the list read again,
    // so that the editor shows what the store holds.
    bool storeShownRecord();
    // Tells the shared state about created or deleted records, then the
    // main window that the editor closes: once, whichever way it closes.
    void announceClose();

    // Key slots (DSeniorKeysPageSlots.cpp).
    void assignComboKey(int keyDec);
    void putSlotText(const QByteArray &text);
    // Stores the shown record after an edit: grid, row, map, store.
    void storeEdit(bool dksSlotChanged);
    void setKeyButtonText(int hoverNumber, const QString &text);
    int hoverNumberOf(QObject *watched) const;

    // Trigger points, hold duration, toggle key, help (DSeniorKeysPageSettings.cpp).
    void prepareStrokeLinks();
    void fillDksLabels(const SeniorKeyInfoStu &record);
    void writeStrokeLabels(const SeniorKeyInfoStu &record);
    QString strokeLinkText(const QString &text) const;
    void openStrokeConfigView();
    void setUpHoldDurationSlider();
    void showExplainPage(int type);
    void showExplainPage1();
    void showExplainPage2();

    Ui::DSeniorKeysPage *ui;
    CbNotice *m_notice = nullptr;
    QString m_scrollBarSheet;
    QString m_linkColor;
    QString m_linkFont;
    bool m_recordsChanged = false;
    bool m_closeAnnounced = false;
    char m_xmlPath[DDataManager::PathBufferSize] = {};
    DDksShowWidget *m_dksShowWidget = nullptr;
    DAllKeysShowPage *m_allKeysPage = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
    QToolButton *m_currentKeyButton = nullptr;
    SeniorKeyInfoStu m_currentRecord;
    int m_hoveredKeyButton = -1;
    int m_currentSlot = 1;
    int m_createKind = 1;
    QMap<int, SeniorKeyInfoStu> m_recordMap;
    QMap<int, DSeniorKeyEventListItem *> m_rowMap;
    QMap<int, QString> m_keyNames;
    DSeniorKeyEventListItem *m_currentRow = nullptr;
    ComboKeyRecorder m_combo;
    // One help popup for both help buttons, made on the first hover.
    ArrowWidget *m_explainPopup = nullptr;
    QStackedWidget *m_explainPages = nullptr;
    QPointer<QWidget> m_strokeOverlay;
    QPointer<DStrokeConfigView> m_strokeView;
};

#endif
