// The look the macro and advanced-key editors share: their toast, and the
// bordered frame with its title bar and tip area.
#ifndef EDITORDIALOGTHEME_H
#define EDITORDIALOGTHEME_H

#include <QFont>
#include <QFrame>
#include <QString>

#include "core/ThemeColor.h"
#include "widgets/CbNotice.h"
#include "widgets/ThemeColorText.h"

// labelExtra is appended to the title and tip labels' own rules.
inline void applyEditorDialogTheme(const ThemeColor &theme, CbNotice *notice, int noticePixelSize, QFrame *frameBg,
                                   QFrame *frameTitle, QFrame *frameTipArea, const QString &labelExtra = QString())
{
    notice->setBackgroundColor(themeRgb(theme.AllBgColor, 200));
    notice->setTextColor(themeRgb(theme.TextCheckedColor, 255));
    QFont noticeFont(theme.TextFont);
    noticeFont.setPixelSize(noticePixelSize);
    notice->setNoticeFont(noticeFont);

    frameBg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{border: 1px solid rgb(%1); background-color: rgb(%2); border-radius: 12px;}")
            .arg(theme.TextCheckedColor, theme.SettingsTitleColorStart));
    frameTitle->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2); "
                       "border-top-left-radius: 12px; border-top-right-radius: 12px;}"
                       "QLabel#label_Title{color: rgb(%3);%4}")
            .arg(theme.SettingsTitleColorStart, theme.MacroBorderColor, theme.TextCheckedColor, labelExtra));
    frameTipArea->setStyleSheet(
        QStringLiteral("QFrame#frame_TipArea{background-color: rgb(%1); border: none; border-top: 3px solid rgb(%2); "
                       "border-bottom-left-radius: 12px; border-bottom-right-radius: 12px;}"
                       "QLabel#label_SmallTip{color: rgb(%3);%4}")
            .arg(theme.SettingsTitleColorStart, theme.MacroBorderColor, theme.TextCheckedColor, labelExtra));
}

#endif
