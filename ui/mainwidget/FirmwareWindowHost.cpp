#include "ui/mainwidget/FirmwareWindowHost.h"

#include <QWidget>

#include "device/DDeviceKeyboardLink.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

FirmwareWindowHost::FirmwareWindowHost(QWidget *window, std::function<QWidget *(const QString &)> overlay,
                                       std::function<void(QWidget *)> place)
    : QObject(window)
    , m_window(window)
    , m_makeOverlay(std::move(overlay))
    , m_place(std::move(place))
{
}

DUpdateFirmwareDia *FirmwareWindowHost::open(const QList<hidStructInfoAll> &candidates, bool dim, DDevicePage *page)
{
    if (m_dialog)
        return nullptr;
    if (!m_overlay)
        m_overlay = m_makeOverlay(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    resizeOverlay();
    if (dim)
        m_overlay->show();

    auto *dialog = new DUpdateFirmwareDia(m_window);
    dialog->setDevices(candidates, page ? page->keyboardLinkListMap() : QMap<QString, DDeviceKeyboardLink *>());
    // A row finds its keyboard when its button is pressed, not when the window opened.
    dialog->setLinkLookup([page = QPointer<DDevicePage>(page)](const QString &path) -> DDeviceKeyboardLink * {
        return page ? page->keyboardLinkListMap().value(path) : nullptr;
    });
    connect(dialog, &QObject::destroyed, this, [this]() {
        if (m_overlay)
            m_overlay->hide();
    });
    m_dialog = dialog;
    m_place(dialog);
    return dialog;
}

void FirmwareWindowHost::forget()
{
    if (m_overlay)
        m_overlay->hide();
    // The dialog deletes itself once its own close has finished; a write
    // under way goes on and its reports are dropped.
    m_dialog = nullptr;
}

void FirmwareWindowHost::destroy()
{
    delete m_dialog;
}

DUpdateFirmwareDia *FirmwareWindowHost::dialog() const
{
    return m_dialog;
}

void FirmwareWindowHost::resizeOverlay()
{
    if (m_overlay)
        m_overlay->resize(m_window->size());
}

void FirmwareWindowHost::reportProgress(int total, int done)
{
    if (m_dialog)
        m_dialog->reportProgress(total, done);
}

void FirmwareWindowHost::reportResult(bool success)
{
    if (!m_dialog)
        return; // the window was closed: the result is dropped
    if (success)
        m_dialog->reportSuccess();
    else
        m_dialog->reportFailure();
}
