// The texts of the settings dialog's About page, read from a default
// configuration file in INI format (UTF-8). Every key that is absent keeps
// its fallback, and a missing file gives the fallbacks throughout.
#ifndef ABOUTINFO_H
#define ABOUTINFO_H

#include <QString>

struct AboutInfo {
    QString version;     // "AppVersion/Version"
    QString companyName; // "CompanyName/ComName"
    QString copyright;   // "Copyright/CopyrightStr", every "*" turned into ","
    QString companyLink; // "CompanyLink/ComLink"
    bool showLink = false; // "CompanyLinkFrame/showStatus"
};

AboutInfo readAboutInfo(const QString &configPath);

#endif
