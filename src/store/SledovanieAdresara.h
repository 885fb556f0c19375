#pragma once
// Tells which files of one directory changed since the watch began, by whoever changed
// them, without asking the file system about each file (Linux inotify).

#include <QSet>
#include <QString>

class SledovanieAdresara {
public:
    SledovanieAdresara() = default;
    ~SledovanieAdresara();
    // A copy does not watch: whoever holds it checks files the slow way.
    SledovanieAdresara(const SledovanieAdresara&) {}
    SledovanieAdresara& operator=(const SledovanieAdresara& ine);

    // Starts watching `adresar` (and stops watching whatever was watched before). False
    // when the system cannot watch it; nothing is then known to be unchanged.
    bool sleduj(const QString& adresar);
    void zastav();
    bool sleduje() const { return m_fd >= 0; }

    struct Zmeny {
        bool vsetko = false;   // the watch was lost or overflowed: anything may have changed
        bool zoznam = false;   // a file was added, removed or renamed
        QSet<QString> subory;  // full paths of the files written, added, removed or renamed
    };
    // What changed since the last call. After `vsetko` the watch has stopped.
    Zmeny zmeny();

private:
    int m_fd = -1;
    QString m_adresar;
};
