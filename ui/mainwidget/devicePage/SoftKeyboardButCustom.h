// One key of the on-screen soft keyboard. Kind 0 keys are picked as targets
// (normal / selected); kind 1 keys are marked and report right clicks.
#ifndef SOFTKEYBOARDBUTCUSTOM_H
#define SOFTKEYBOARDBUTCUSTOM_H

#include <QToolButton>

class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT
public:
    explicit SoftKeyboardButCustom(int kind, QWidget *parent = nullptr);

    void setKeySize(int w, int h);
    void setKeyInfo(int code, QString caption);
    void setKeyState(int state);
    void setEditable(bool editable);
    void setThemeColors(QString text, QString accent, QString background);

    int kind() const { return m_kind; }
    int keyCode() const { return m_keyCode; }
    QString keyCaption() const { return m_caption; }
    // The caption given to setKeyInfo, before the display replacements.
    QString keyCharacter() const { return m_caption; }
    bool isKeySelected() const { return m_selected; }
    bool isMarked() const { return m_marked; }
    bool isHovered() const { return m_hovered; }

    // The text the button shows for a key: the caption, or a fixed caption
    // for the language keys and both Alt keys (an ampersand is doubled so
    // that it shows).
    static QString displayText(int code, const QString &caption);

    // A caption in `font` as it fits a key of `room` pixels: on one line when it can,
    // else broken once after a "/" or at a blank; in the caption font's
    // size, or in a smaller one down to MinCaptionPixels when that is what
    // it takes. A pixel size of 0 means the caption font's own size.
    struct CaptionFit {
        QString text;
        int pixelSize = 0;
    };
    static constexpr int MinCaptionPixels = 7;
    static CaptionFit fitCaption(const QString &text, const QFont &font, QSize room);

signals:
    void sigButtonMouseRightKeyClicked(int keyDec, QString keyCharacter);
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void applyStyle(const QString &textPart, const QString &backgroundPart);
    void applyPresentStyle();
    void fitText();

    int m_kind = 0;
    bool m_hovered = false;
    bool m_selected = false;
    int m_width = 0;
    int m_height = 0;
    int m_keyCode = 0;
    QString m_caption;
    int m_captionPixels = 0;
    bool m_editable = true;
    bool m_marked = false;
    QString m_selectedStyle;
    QString m_markedStyle;
    QString m_normalTextStyle;
    QString m_lightTextStyle;
    QString m_normalBgStyle;
    QString m_kind1BgStyle;
    QString m_textColor;
    QString m_accentColor;
    QString m_backgroundColor;
};

#endif
