#pragma once
// Guards an application directory against a second running copy of the program: both
// would load the same files and overwrite each other's saves.

#include <QLockFile>
#include <QString>

#include <memory>

class ZamokAplikacie {
public:
    // The lock file lies in the application directory itself.
    explicit ZamokAplikacie(const QString& appDir);

    // True when this copy now owns the directory. A lock left by a copy that no longer
    // runs (a crash, a power cut) is taken over.
    bool ziskaj();
    bool jeZiskany() const;

    QString subor() const { return m_subor; }

    // After ziskaj() failed: empty when another process holds the lock; otherwise why the
    // lock file could not be made (a full disk, no permission), for the user.
    QString textChyby() const;

    // What the second copy tells the user before it ends.
    static QString textInaKopiaBezi(const QString& appDir);

    // Who holds the lock of `appDir` as its file says: "proces 1234 (ZnaleckyKevrot) na
    // počítači stroj"; empty when the file cannot be read.
    static QString drzitel(const QString& appDir);
    // Why a command that writes the data was refused: the directory and the holder.
    static QString textZapisZamknuty(const QString& appDir, const QString& prikaz);

    static constexpr const char* NazovSuboru = ".ZnaleckyKevrot.lock";

private:
    QString m_subor;
    std::unique_ptr<QLockFile> m_zamok;
};
