#include "ui/seniorKeys/DAllKeysItemKey.h"

#include "ui/seniorKeys/KeyCaptionView.h"

DAllKeysItemKey::DAllKeysItemKey()
    : QPushButton(nullptr)
{
    setMinimumSize(30, 30);
    setFocusPolicy(Qt::NoFocus);
}

void DAllKeysItemKey::setKeyInfo(int keyCode, const QString &caption)
{
    m_keyCode = keyCode;
    m_caption = caption;
    setText(KeyCaptionView::buttonText(caption));
}
