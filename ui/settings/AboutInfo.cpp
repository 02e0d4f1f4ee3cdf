#include "ui/settings/AboutInfo.h"

#include <QSettings>

AboutInfo readAboutInfo(const QString &configPath)
{
    QSettings config(configPath, QSettings::IniFormat);
    config.setIniCodec("UTF-8");
    const auto text = [&config](const char *key, const char *fallback) {
        const QVariant value = config.value(QLatin1String(key), QString::fromUtf8(fallback));
        // An unquoted value with commas comes back as a list of its parts.
        if (value.type() == QVariant::StringList)
            return value.toStringList().join(QStringLiteral(", "));
        return value.toString();
    };

    AboutInfo info;
    info.version = text("AppVersion/Version", "V_1.00.00");
    info.companyName = text("CompanyName/ComName", "CompanyName");
    // The INI format takes a comma as a list separator, so the file writes
    // the commas of the copyright line as "*".
    info.copyright = text("Copyright/CopyrightStr", "Copyright").replace(QLatin1Char('*'), QLatin1Char(','));
    info.companyLink = text("CompanyLink/ComLink", "https://lumtar.example.org");
    info.showLink = config.value(QStringLiteral("CompanyLinkFrame/showStatus"), false).toBool();
    return info;
}
