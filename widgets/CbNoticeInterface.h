// The one operation every toast offers: show a short message centred on a point.
#ifndef CBNOTICEINTERFACE_H
#define CBNOTICEINTERFACE_H

#include <QPoint>
#include <QString>

class CbNoticeInterface
{
public:
    virtual ~CbNoticeInterface() = default;
    virtual void showNotice(QString text, QPoint point) = 0;
};

#endif
