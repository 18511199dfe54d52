#include "app/Allsystempaths.h"

#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

namespace {

QString Cartella(QStandardPaths::StandardLocation luogo) {
    QString percorso = QStandardPaths::writableLocation(luogo);
    while (percorso.size() > 1 && percorso.endsWith(QLatin1Char('/'))) percorso.chop(1);
    return percorso;
}

QString Sotto(QStandardPaths::StandardLocation luogo, const QString& nome) {
    const QString base = Cartella(luogo);
    return base.isEmpty() ? QString() : base + QLatin1Char('/') + nome;
}

}  // namespace

// Windows installation facts with no counterpart here.
QString TAllSystemPaths::GetProgramFilesPath() const { return {}; }
QString TAllSystemPaths::GetProgramFilesDir() const { return {}; }
QString TAllSystemPaths::GetWinDir() const { return {}; }
QString TAllSystemPaths::GetWinBootDir() const { return {}; }
QString TAllSystemPaths::GetBootDir() const { return {}; }
QString TAllSystemPaths::GetCommonFilesDir() const { return {}; }
QString TAllSystemPaths::GetConfigPath() const { return Cartella(QStandardPaths::GenericConfigLocation); }
QString TAllSystemPaths::GetDevicePath() const { return {}; }
QString TAllSystemPaths::GetMediaPath() const { return {}; }
QString TAllSystemPaths::GetProductID() const { return QString::fromLatin1(QSysInfo::machineUniqueId()); }
QString TAllSystemPaths::GetProductName() const { return QSysInfo::prettyProductName(); }
QString TAllSystemPaths::GetRegisteredOrganization() const { return {}; }
QString TAllSystemPaths::GetRegisteredOwner() const { return qEnvironmentVariable("USER"); }
QString TAllSystemPaths::GetSystemRoot() const { return QDir::rootPath(); }
QString TAllSystemPaths::GetVersion() const { return QSysInfo::productVersion(); }
QString TAllSystemPaths::GetVersionNumber() const { return QSysInfo::kernelVersion(); }
QString TAllSystemPaths::GetBootHost() const { return QSysInfo::machineHostName(); }
QString TAllSystemPaths::GetHostWinBootDir() const { return {}; }
QString TAllSystemPaths::GetMachineDir() const { return {}; }
QString TAllSystemPaths::GetSharedDir() const { return {}; }
QString TAllSystemPaths::GetSysDir() const { return {}; }
QString TAllSystemPaths::GetWallpaper() const { return {}; }
QString TAllSystemPaths::GetWinAdminDir() const { return {}; }

// The user's folders, from the XDG locations.
QString TAllSystemPaths::GetAppData() const { return Cartella(QStandardPaths::GenericDataLocation); }
QString TAllSystemPaths::GetCache() const { return Cartella(QStandardPaths::GenericCacheLocation); }
QString TAllSystemPaths::GetCookies() const { return {}; }
QString TAllSystemPaths::GetDesktop() const { return Cartella(QStandardPaths::DesktopLocation); }
QString TAllSystemPaths::GetFavorites() const { return {}; }
QString TAllSystemPaths::GetFonts() const { return Cartella(QStandardPaths::FontsLocation); }
QString TAllSystemPaths::GetHistory() const { return {}; }
QString TAllSystemPaths::GetMyPictures() const { return Cartella(QStandardPaths::PicturesLocation); }
QString TAllSystemPaths::GetNetHood() const { return {}; }
QString TAllSystemPaths::GetMyDocuments() const { return Cartella(QStandardPaths::DocumentsLocation); }
QString TAllSystemPaths::GetStartMenuPrograms() const { return Cartella(QStandardPaths::ApplicationsLocation); }
QString TAllSystemPaths::GetRecent() const { return Sotto(QStandardPaths::GenericDataLocation, QStringLiteral("recently-used.xbel")); }
QString TAllSystemPaths::GetSendTo() const { return {}; }
QString TAllSystemPaths::GetStartMenu() const { return Cartella(QStandardPaths::ApplicationsLocation); }
QString TAllSystemPaths::GetStartMenuStartup() const { return Sotto(QStandardPaths::GenericConfigLocation, QStringLiteral("autostart")); }
