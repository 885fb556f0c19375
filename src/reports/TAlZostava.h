#pragma once
// The layout form: every component read from a layout file, in component order.

#include <QString>

#include <memory>
#include <vector>

#include "Komponenty.h"

struct DfmObjekt;

class TAlZostava {
public:
    TAlZostava() = default;
    TAlZostava(const TAlZostava&) = delete;
    TAlZostava& operator=(const TAlZostava&) = delete;

    QString Name;
    QString Subor;        // the layout file name without directories
    TAlFont Font;         // the form's font, taken by bands with ParentFont

    const std::vector<std::unique_ptr<TAlKomponent>>& komponenty() const { return m_komponenty; }
    // The first TAlReport, or null.
    TAlReport* report() const;
    // The first component of that name, ignoring case.
    TAlKomponent* najdi(const QString& meno) const;
    // The first TAlField of that name, ignoring case.
    TAlField* najdiPole(const QString& meno) const;

    // Builds the components from an object tree; throws ChybaZostavy.
    void zoStromu(const DfmObjekt& koren, const QString& subor);

    template <class T>
    QList<T*> vsetky() const
    {
        QList<T*> out;
        for (const auto& k : m_komponenty)
            if (auto* t = dynamic_cast<T*>(k.get()))
                out.append(t);
        return out;
    }

private:
    void pridajObjekt(const DfmObjekt& o, TAlKomponent* rodic, const QString& subor);
    void prepojOdkazy(const QString& subor);
    QString jedinecneMeno(const QString& meno) const;

    std::vector<std::unique_ptr<TAlKomponent>> m_komponenty;
};

// Reads a layout file (binary with or without a resource header, or text). Missing file:
// null without a message. A file that cannot be read: its own message in an error box,
// then null. A file without a report: null. Formname fields get the report's title.
std::unique_ptr<TAlZostava> NahrajZostavu(const QString& cesta);

// "Nedá sa nahrať zostava " + path.
QString textNedaSaNahratZostava(const QString& cesta);

// NahrajZostavu, and on failure the caller's error box with the path.
std::unique_ptr<TAlZostava> NahrajZostavuAleboOhlas(const QString& cesta);
