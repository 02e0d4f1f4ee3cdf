// One row of the lighting page's custom-scheme list: the "Using" box, the
// scheme's name and, on a double click, the rename editor.
#ifndef DCUSTOMLIGHTLISTITEM_H
#define DCUSTOMLIGHTLISTITEM_H

#include <QString>
#include <QWidget>

namespace Ui {
class DCustomLightListItem;
}

class DCustomLightListItem : public QWidget
{
    Q_OBJECT

public:
    // Bytes a scheme name may take in the profile store (its record's field
    // less the terminating NUL).
    static constexpr int NameBytes = 63;

    explicit DCustomLightListItem(QWidget *parent = nullptr);
    ~DCustomLightListItem() override;

    void setCustomLightNode(QString index, QString name, QString isUsing, int usingFlagIndex);
    void setSelected(bool selected);
    void setUsingStatus(bool isUsing);
    void setUsingStatusText(QString isUsing);
    void setUsingFlagIndex(int usingFlagIndex);
    QString customLightIndex() const { return m_index; }
    QString customLightName() const { return m_name; }
    QString usingStatusText() const { return m_isUsing; }
    int usingFlagIndex() const { return m_usingFlagIndex; }
    bool isSelected() const { return m_selected; }
    void updateAppTheme();
    // Emits sigCustomLightItemMouseClicked as a press does.
    void emitMouseClicked();

    // A name as the store keeps it: at most NameBytes bytes of UTF-8, cut
    // only between characters.
    static QString limitedName(const QString &name);

signals:
    void sigCustomLightItemMouseClicked(QString index, QString name);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    void sigCustomLightUsingStatus(bool isUsing);
    void sigModifyCustomLightItemNameFailed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_checkBox_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void applyLook();

    Ui::DCustomLightListItem *ui;
    bool m_selected = false;
    QString m_index = QStringLiteral("-1");
    QString m_name;
    QString m_isUsing;
    int m_usingFlagIndex = -1;
    QString m_borderColor = QStringLiteral("52,52,86");
    QString m_selectedBackground = QStringLiteral("42,42,65");
    QString m_hoverBackground = QStringLiteral("37,37,60");
    QString m_background;
    QString m_textColor;
    QString m_selectedTextColor;
    QString m_fontFamily;
};

#endif
