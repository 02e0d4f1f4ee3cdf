// A tool button with a small icon and a caption, painted by hand. The icon
// path names the normal picture ("...Def.png"); a selected button shows the
// "Sel" twin of the same name.
#ifndef CUSTOMBUTTON_H
#define CUSTOMBUTTON_H

#include <QColor>
#include <QFont>
#include <QRect>
#include <QToolButton>

class CustomButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CustomButton(QWidget *parent = nullptr);

    void setIconAndText(QString iconPath, QString caption);
    void setSelected(bool selected);
    // The six drawing attributes a page takes from its theme; painted at the next repaint.
    void setThemeColors(QColor selectedBackground, QColor hoverBackground, QColor normalBackground, QColor text,
                        QColor selectedText, QString fontFamily);

    QString iconPath() const { return m_iconPath; }
    QString caption() const { return m_caption; }
    // The font the caption is painted in, and the box it is painted in:
    // what does not fit the box is cut.
    QFont captionFont() const;
    static QRect captionRect() { return QRect(30, 10, 170, 50); }
    bool isSelected() const { return m_selected; }
    bool isHovered() const { return m_hovered; }

    // The selected twin of an icon path: the three characters before the
    // first "." become "Sel". A path too short to hold them is kept.
    static QString selectedIconPath(const QString &iconPath);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_iconPath = QStringLiteral(":/images/device/defaultDef.png");
    QString m_caption;
    bool m_selected = false;
    bool m_hovered = false;
    QColor m_selectedBg{52, 52, 86, 255};
    QColor m_hoverBg{37, 37, 60, 255};
    QColor m_normalBg{42, 42, 65, 255};
    QColor m_captionColor{205, 205, 205, 255};
    QColor m_selectedCaptionColor{255, 143, 31, 255};
    QString m_captionFamily = QStringLiteral("Microsoft YaHei");
};

#endif
