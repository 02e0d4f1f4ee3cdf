// The update window as the main window shows it: created over its own
// dimming overlay with the last check's candidates, its rows finding their
// keyboards through the device page when pressed, and the progress and the
// result of the update under way passed to it while it is open (dropped
// once it was closed).
#ifndef FIRMWAREWINDOWHOST_H
#define FIRMWAREWINDOWHOST_H

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

#include "sdk/include/LumtarHid.h"

class DDevicePage;
class DUpdateFirmwareDia;
class QWidget;

class FirmwareWindowHost : public QObject
{
    Q_OBJECT

public:
    // overlay: makes a dimming overlay over the main window from a style
    // sheet; place: centres a dialog on the main window, window-modal, and
    // shows it.
    FirmwareWindowHost(QWidget *window, std::function<QWidget *(const QString &)> overlay,
                       std::function<void(QWidget *)> place);

    // The window with one row per candidate; null while one is open. dim:
    // whether the overlay shows (not when the settings dialog dims already).
    DUpdateFirmwareDia *open(const QList<hidStructInfoAll> &candidates, bool dim, DDevicePage *page);
    // The window closed itself: the overlay goes and the window is forgotten.
    void forget();
    // Deletes an open window (the main window goes).
    void destroy();

    void reportProgress(int total, int done);
    void reportResult(bool success);

    DUpdateFirmwareDia *dialog() const;
    QWidget *overlay() const { return m_overlay; }
    void resizeOverlay();

private:
    friend class tst_FirmwareUpdate;

    QWidget *m_window;
    std::function<QWidget *(const QString &)> m_makeOverlay;
    std::function<void(QWidget *)> m_place;
    QPointer<QWidget> m_overlay;
    QPointer<DUpdateFirmwareDia> m_dialog;
};

#endif
