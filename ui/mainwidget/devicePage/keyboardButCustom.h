// One key of the keyboard view: a transparent button laid over the keyboard
// picture that paints only the key's state (hover, selection, click, mark,
// not editable), its light colour, calibration highlights and travel values.
#ifndef KEYBOARDBUTCUSTOM_H
#define KEYBOARDBUTCUSTOM_H

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QToolButton>
#include <QVector>

class QPainter;

class keyboardButCustom : public QToolButton
{
    Q_OBJECT
public:
    // One outline to paint: the key's shape filled with fill and edged with border.
    struct Outline {
        QColor fill;
        QColor border;
        bool operator==(const Outline &o) const { return fill == o.fill && border == o.border; }
    };
    // One line of the travel display, centred in its rectangle.
    struct TravelLine {
        QRect rect;
        QString text;
        QColor color;
        int pixelSize;
        bool bold;
    };

    explicit keyboardButCustom(QWidget *parent = nullptr);

    void setKeySize(int w, int h);
    void setKeyPos(int x, int y);
    void setKeyInfo(int code, QString caption);
    void setGridIndex(int row, int column);
    void setModelName(QString modelName);
    void setShapeType(int shapeType);
    void setSpecialShape(bool special);
    void setEnterNotch(int notchWidth, int topHeight);

    void setHoverFillColor(QColor color);
    void setCheckedFillColor(QColor color);
    void setMarkFillColor(QColor color);
    void setHoverBorderColor(QColor color);
    void setCheckedBorderColor(QColor color);
    void setMarkBorderColor(QColor color);
    void setThemeColors(QColor primary, QColor accent);

    void setHovered(bool hovered);
    void setSelected(bool selected);
    void setMarked(bool marked);
    void setCalibrationShow(bool show);
    void setTravelShow(bool show);
    // The colours and font of the travel display: the travel value, the
    // rapid-trigger press and release values, press-and-release, the band.
    void setTravelColors(QColor text, QColor press, QColor release, QColor pressAndRelease, QColor band,
                         QString fontFamily);
    void setChecked(bool checked, bool repaint);
    void setEditable(bool editable);
    void setHoverEnabled(bool enabled);
    void setLightMode(bool lightMode);
    void setLightColorShow(bool show);
    void setLightColor(QColor color);
    // The same, repainting only when asked: the light preview asks once a
    // frame whether the window can be seen (a minimised one is not).
    void setLightColor(QColor color, bool repaint);
    // The key's colour in the custom-light scheme shown; no repaint.
    void setCustomLightColor(QColor color) { m_customLightColor = color; }
    QColor customLightColor() const { return m_customLightColor; }
    void setTravelValues(int selMode, int travel, int travelRelease, int quickTrigger,
                         int quickTriggerPress, int quickTriggerRelease, bool repaint);
    void refresh();

    int keyCode() const { return m_keyCode; }
    QString keyCaption() const { return m_caption; }
    int gridRow() const { return m_row; }
    int gridColumn() const { return m_column; }
    bool isEditable() const { return m_editable; }

    bool isHovered() const { return m_hovered; }
    bool isKeySelected() const { return m_selected; }
    bool isMarked() const { return m_marked; }
    bool isKeyChecked() const { return m_checked; }
    QColor lightColor() const { return m_lightColor; }
    QPoint keyPos() const { return QPoint(m_x, m_y); }
    QSize keySize() const { return QSize(m_width, m_height); }
    int notchRemainingWidth() const { return m_remainingWidth; }
    int notchRemainingHeight() const { return m_remainingHeight; }

    // What the next paint draws, in order: the outlines, and the lines of the
    // travel display (empty when it is off). The travel display covers the
    // picture's key cap with a cap of its own (travelCapRect) that carries the
    // key's legend on top (legendLine) and the travel values below it
    // (travelPlan: the two quick-trigger values, then the trigger travel).
    QVector<Outline> outlinePlan() const;
    QVector<TravelLine> travelPlan() const;
    TravelLine legendLine() const;
    QRect travelCapRect() const;
    // A travel in 0.1 mm written in millimetres with one decimal.
    static QString travelText(int tenthsOfMillimetre);
    // Models whose keys have round caps (outline radius 22); 0 for the others.
    static int modelOutlineRadius(const QString &modelName);

signals:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The outlines drawn with `light` as the light colour.
    QVector<Outline> outlinePlanWith(const QColor &light) const;
    // Light or calibration display: the light colour is part of the look.
    bool drawsLightColor() const;
    void repaintThroughLayer();
    void paintOutline(QPainter &painter, const Outline &outline);
    void paintNotchedOutline(QPainter &painter, const Outline &outline);
    // The area the plain outline's 3-pixel pen covers at a key size.
    static QPainterPath outlineStroke(QSize size);
    // That area in a colour at a key size and pixel ratio, in an image kept
    // for the size and recoloured by every paint that needs another colour.
    static const QImage &tintedStroke(QSize size, qreal pixelRatio, const QColor &color);
    bool isWheelOrRollerCode() const;
    // The rows of the travel display: the legend, the trigger travel and,
    // with quick trigger, the quick-trigger values.
    QVector<QRect> travelRows() const;
    // The largest pixel size, up to maxPixels, at which text fits width.
    int fittingPixelSize(const QString &text, int maxPixels, int width, bool bold) const;
    void paintTravelCap(QPainter &painter);

    bool m_hovered = false;
    bool m_selected = false;
    int m_width = 34;
    int m_height = 38;
    bool m_marked = false;
    bool m_checked = false;
    int m_x = 0;
    int m_y = 0;
    int m_row = 0;
    int m_column = 0;
    int m_keyCode = 0;
    QString m_caption;
    bool m_editable = true;
    int m_shapeType = 0;
    bool m_specialShape = false;
    int m_notchWidth = 0;
    int m_topHeight = 0;
    int m_remainingWidth = 0;
    int m_remainingHeight = 0;
    bool m_hoverEnabled = true;
    bool m_lightMode = false;
    bool m_lightColorShow = false;
    QColor m_hoverFill{255, 49, 53, 50};
    QColor m_hoverBorder{255, 49, 53};
    QColor m_checkedFill{255, 128, 0, 50};
    QColor m_checkedBorder{255, 128, 0};
    QColor m_markFill{255, 49, 53, 50};
    QColor m_markBorder{255, 49, 53};
    QColor m_lightColor{0, 0, 0, 0};
    // The preview's last colour for this key, kept while the light-colour
    // display is off so that turning it on shows the light at once (a still
    // effect sends no new colour).
    QColor m_previewColor{0, 0, 0, 0};
    QColor m_customLightColor{0, 0, 0, 0};
    QColor m_highlight{255, 49, 53};
    bool m_calibrationShow = false;
    QString m_modelName;
    bool m_travelShow = false;
    QColor m_travelTextColor{255, 143, 31};
    QColor m_travelPressColor{255, 0, 0};
    QColor m_travelReleaseColor{0, 255, 0};
    QColor m_travelBandColor{65, 65, 65};
    QString m_travelFontFamily = QStringLiteral("Microsoft YaHei");
    int m_selMode = 0;
    int m_travel = 0;
    int m_travelRelease = 0;
    int m_quickTrigger = 0;
    int m_quickTriggerPress = 0;
    int m_quickTriggerRelease = 0;
};

#endif
