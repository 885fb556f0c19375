// Removing parts of a document: the table row or the paragraph holding a bookmark, a found text.

#include "Dokument.h"

bool Dokument::odstranRiadokSoZalozkou(const QString& meno)
{
    const auto maZalozku = [&](const auto& bunky) {
        for (const auto& bunka : bunky)
            for (const auto& odsek : bunka.odseky)
                for (const auto& beh : odsek.behy)
                    if (beh.druh == RtfBeh::Druh::ZalozkaZaciatok && beh.text == meno)
                        return true;
        return false;
    };
    for (int b = 0; b < m_d.telo.size(); ++b) {
        if (!m_d.telo[b].jeTabulka)
            continue;
        auto& riadky = m_d.telo[b].tabulka.riadky;
        for (int r = 0; r < riadky.size(); ++r) {
            if (!maZalozku(riadky[r].bunky))
                continue;
            riadky.removeAt(r);
            if (riadky.isEmpty() && m_d.telo.size() > 1)
                m_d.telo.removeAt(b);
            m_kurzor = Pozicia{};
            return true;
        }
    }
    return false;
}

bool Dokument::odstranOdsekSoZalozkou(const QString& meno)
{
    // The bookmark and no other bookmark in the paragraph.
    const auto lenTaZalozka = [&](const RtfOdsek& o) {
        bool najdena = false;
        for (const auto& beh : o.behy)
            if (beh.druh == RtfBeh::Druh::ZalozkaZaciatok) {
                if (beh.text != meno)
                    return false;
                najdena = true;
            }
        return najdena;
    };
    const auto odstran = [&](QList<RtfOdsek>& odseky) {
        for (int i = 0; i < odseky.size(); ++i) {
            if (!lenTaZalozka(odseky[i]))
                continue;
            if (odseky.size() > 1)
                odseky.removeAt(i);
            else
                odseky[i].behy.clear();
            return true;
        }
        return false;
    };
    for (int b = 0; b < m_d.telo.size(); ++b) {
        RtfBlok& blok = m_d.telo[b];
        bool odstranene = false;
        if (!blok.jeTabulka && lenTaZalozka(blok.odsek)) {
            // The body ends with a paragraph.
            if (b + 1 < m_d.telo.size())
                m_d.telo.removeAt(b);
            else
                blok.odsek.behy.clear();
            odstranene = true;
        }
        for (int r = 0; !odstranene && blok.jeTabulka && r < blok.tabulka.riadky.size(); ++r)
            for (auto& c : blok.tabulka.riadky[r].bunky)
                odstranene = odstranene || odstran(c.odseky);
        if (odstranene) {
            m_kurzor = Pozicia{};
            return true;
        }
    }
    return false;
}

bool Dokument::najdiAOdstran(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (int b = 0; b < m_d.telo.size(); ++b) {
        if (m_d.telo[b].jeTabulka)
            continue;
        auto& behy = m_d.telo[b].odsek.behy;
        for (int j = 0; j < behy.size(); ++j) {
            if (!behy[j].jeText())
                continue;
            const int i = int(behy[j].text.indexOf(text));
            if (i < 0)
                continue;
            behy[j].text.remove(i, text.size());
            m_format = behy[j].format;
            m_kurzor = Pozicia{};
            m_kurzor.blok = b;
            m_kurzor.beh = j;
            m_kurzor.znak = i;
            if (behy[j].text.isEmpty()) {
                behy.remove(j);
                m_kurzor.znak = 0;
            }
            return true;
        }
    }
    return false;
}
