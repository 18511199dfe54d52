#pragma once
// Where the desktop keeps the user's folders. Every read asks the system at that moment;
// nothing is stored. Folders come without a final separator; a property with no
// counterpart on this system reads as an empty text.
#include <QString>

class TAllSystemPaths {
public:
    QString GetProgramFilesPath() const;
    QString GetProgramFilesDir() const;
    QString GetWinDir() const;
    QString GetWinBootDir() const;
    QString GetBootDir() const;
    QString GetCommonFilesDir() const;
    QString GetConfigPath() const;
    QString GetDevicePath() const;
    QString GetMediaPath() const;
    QString GetProductID() const;
    QString GetProductName() const;
    QString GetRegisteredOrganization() const;
    QString GetRegisteredOwner() const;
    QString GetSystemRoot() const;
    QString GetVersion() const;
    QString GetVersionNumber() const;
    QString GetBootHost() const;
    QString GetHostWinBootDir() const;
    QString GetMachineDir() const;
    QString GetSharedDir() const;
    QString GetSysDir() const;
    QString GetWallpaper() const;
    QString GetWinAdminDir() const;
    QString GetAppData() const;
    QString GetCache() const;
    QString GetCookies() const;
    QString GetDesktop() const;
    QString GetFavorites() const;
    QString GetFonts() const;
    QString GetHistory() const;
    QString GetMyPictures() const;
    QString GetNetHood() const;
    QString GetMyDocuments() const;
    QString GetStartMenuPrograms() const;
    QString GetRecent() const;
    QString GetSendTo() const;
    QString GetStartMenu() const;
    QString GetStartMenuStartup() const;
};
