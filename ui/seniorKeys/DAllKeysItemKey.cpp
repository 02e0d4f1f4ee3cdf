#include "ui/seniorKeys/DAllKeysItemKey.h"

#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"
#include "ui/seniorKeys/KeyCaptionView.h"
#include "widgets/LanguageChangeHook.h"

DAllKeysItemKey::DAllKeysItemKey()
    : QPushButton(nullptr)
{
    setMinimumSize(30, 30);
    setFocusPolicy(Qt::NoFocus);
    LanguageChangeHook::install(this, [this] { showCaption(); });
}

void DAllKeysItemKey::setKeyInfo(int keyCode, const QString &caption)
{
    m_keyCode = keyCode;
    m_caption = caption;
    showCaption();
}

void DAllKeysItemKey::showCaption()
{
    // Keycaps show their captions as printed; the input-language keys are
    // named in the interface language, as on the soft keyboard. The caption
    // handed on when the key is picked stays the printed one.
    const QString languageKey = SoftKeyLayoutFile::languageKeyName(m_keyCode);
    setText(KeyCaptionView::buttonText(languageKey.isNull() ? m_caption : languageKey));
}
