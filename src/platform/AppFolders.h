#pragma once

#include <QString>
#include <optional>

/// The roots the folders are built from; the program takes them from the system, tests from
/// temporary folders.
struct FolderRoots {
    QString applicationData; // per-user application data, without trailing '/'
    QString commonData;      // shared data root holding quilmet/, without trailing '/'
    QString install;         // folder holding Wav/, without trailing '/'
    QString desktop;
    QString internetCache;

    static FolderRoots fromSystem();
};

/// Where the program keeps and finds its files.
class AppFolders {
public:
    explicit AppFolders(FolderRoots roots);

    /// Numbers of the shell's special folders that the program asks for.
    enum Csidl {
        Desktop = 0,
        ApplicationData = 26,
        InternetCache = 32,
        CommonApplicationData = 35
    };

    /// The special folder for a CSIDL number, without trailing '/'; empty for unknown numbers.
    QString SpecialFolder(int csidl) const;
    /// The user application-data folder; callers append "/Quilmet/...".
    QString DonnePathUser() const;
    /// The InstallFolder, with its trailing '/'.
    QString DonneFolderAppli() const;
    /// The UserFolder, with its trailing '/'.
    QString userFolder() const;
    /// The CommonDataFolder, with its trailing '/'.
    QString commonDataFolder() const;
    QString settingsFilePath() const;
    QString temporaryFolder() const;

    /// Creates the UserFolder when missing; returns the error text when that failed.
    std::optional<QString> CreateFolderUser() const;

    static constexpr const char* kCreateFolderUserError =
        "Création échouée méthode \"CreateFolderUser\".";

private:
    FolderRoots m_roots;
};
