#!/usr/bin/env python3
"""Writes the document templates that ship in "Zostavy": the six invoices, the cash receipt
and the travel order.

    python3 data/zostavy/generuj_zostavy.py [target directory]

The templates are rich text (the ".dot" name is the one the program looks for). Slovak
letters are written as \\'hh escapes of Windows-1250. A bookmark is written in the source
as {{Name}}; every bookmark the program fills is an empty bookmark in the place where its
value goes. Bookmarks that receive a table ("fakturujeme_vam", "PriebehCesty",
"FinancieCesty") stand in a paragraph of their own outside any table.
"""

import os
import re
import sys

CIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "Zostavy")

TWIP = 20
HLAVICKA = (r"{\rtf1\ansi\ansicpg1250\deff0\deflang1051"
            r"{\fonttbl{\f0\fswiss\fcharset238 Arial;}}"
            r"{\colortbl;\red0\green0\blue0;}"
            r"\paperw11906\paperh16838\margl1134\margr1134\margt1134\margb1134"
            r"\viewkind1\uc1\f0\fs20" "\n")


def escapuj(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.append("\\'%02x" % ch.encode("cp1250")[0])
    return "".join(out)


def zdroj(text):
    """Text with {{Bookmark}} marks as RTF."""
    casti = re.split(r"(\{\{[A-Za-z_0-9]+\}\})", text)
    out = []
    for c in casti:
        m = re.fullmatch(r"\{\{([A-Za-z_0-9]+)\}\}", c)
        if m:
            n = m.group(1)
            out.append(r"{\*\bkmkstart %s}{\*\bkmkend %s}" % (n, n))
        elif c:
            out.append(escapuj(c))
    return "".join(out)


def beh(text, b=False, i=False, fs=10):
    fmt = r"\plain\f0\fs%d" % (fs * 2) + (r"\b" if b else "") + (r"\i" if i else "")
    return "{" + fmt + " " + zdroj(text) + "}"


def odsek(*behy, zar="l", intbl=False, sa=0, sb=0):
    """A paragraph of runs: strings are plain runs, tuples are (text, options)."""
    out = [r"\pard" + (r"\intbl" if intbl else "") + r"\q" + zar + (r"\sa%d" % sa if sa else "")
           + (r"\sb%d" % sb if sb else "")]
    for b in behy:
        if isinstance(b, tuple):
            out.append(beh(b[0], **b[1]))
        else:
            out.append(beh(b))
    return "".join(out)


def par(*behy, **k):
    return odsek(*behy, **k) + r"\par" + "\n"


def tabulka(riadky, sirky, okraje="vsetky", tien=(), rozdelene=None):
    """riadky: list of rows, a row a list of cells, a cell a list of paragraphs (each a
    list of runs) or a plain string. okraje: "vsetky", "vonku" or "ziadne"."""
    out = []
    n = len(riadky)
    for r, riadok in enumerate(riadky):
        out.append(r"\trowd\trgaph70\trleft0")
        x = 0
        for c, _ in enumerate(riadok):
            hrany = []
            if okraje == "vsetky":
                hrany = ["t", "l", "b", "r"]
            elif okraje == "vonku":
                if r == 0:
                    hrany.append("t")
                if r == n - 1:
                    hrany.append("b")
                if c == 0:
                    hrany.append("l")
                if c == len(riadok) - 1:
                    hrany.append("r")
            for h in hrany:
                out.append(r"\clbrdr%s\brdrs\brdrw10" % h)
            if r in tien or (r - n) in tien:
                out.append(r"\clshdng1000")
            x += sirky[c] * TWIP
            out.append(r"\cellx%d" % x)
        out.append("\n")
        for bunka in riadok:
            odseky = [[bunka]] if isinstance(bunka, (str, tuple)) else bunka
            for j, o in enumerate(odseky):
                if isinstance(o, (str, tuple)):
                    o = [o]
                zar = "l"
                if o and isinstance(o[0], tuple) and "zar" in o[0][1]:
                    zar = o[0][1].pop("zar")
                out.append(odsek(*o, zar=zar, intbl=True))
                out.append(r"\cell" if j == len(odseky) - 1 else r"\par")
                out.append("\n")
        out.append(r"\row" + "\n")
    out.append(r"\pard" + "\n")
    return "".join(out)


def B(text, fs=10, **k):
    return (text, dict(b=True, fs=fs, **k))


def M(text, **k):
    return (text, dict(fs=8, **k))


def P(text, **k):
    return (text, dict(k))


SIRKA = 481  # text width in points (A4, 2 cm margins)

DRUHY = {
    "": dict(osoba="Znalec", ukon="znalecký úkon", ukonu="znaleckého úkonu"),
    "_tlmocnik": dict(osoba="Tlmočník", ukon="tlmočnícky úkon", ukonu="tlmočníckeho úkonu"),
    "_prekladatel": dict(osoba="Prekladateľ", ukon="prekladateľský úkon", ukonu="prekladateľského úkonu"),
}


def faktura(platca, druh):
    d = DRUHY[druh]
    s = [HLAVICKA]
    titul = "FAKTÚRA – DAŇOVÝ DOKLAD" if platca else "FAKTÚRA"
    s.append(tabulka([[
        [[B(titul, fs=14 if platca else 16)], [M("za " + d["ukon"])]],
        [[B("číslo: ", fs=12, zar="r"), B("{{Faktura_cislo}}", fs=12)]],
    ]], [236, 245], okraje="ziadne"))
    s.append(par(""))
    dodavatel = [
        [B("Dodávateľ (" + d["osoba"].lower() + "):")],
        [B("{{Znalec_meno}}", fs=11)],
        ["{{Znalec_adresa}}"],
        ["{{Znalec_PSC_Mesto}}"],
        [M("{{Znalec_zapis}}")],
        [""],
        ["IČO: {{Znalec_ICO}}"],
        ["DIČ: {{Znalec_DIC}}"],
        ["IČ DPH: {{Znalec_ICdph}}"],
        [""],
        ["Banka: {{Znalec_Banka}}"],
        ["Číslo účtu: {{Znalec_Ucet}}"],
        ["IBAN: {{Znalec_IBAN}}"],
        ["BIC: {{Znalec_BIC}}"],
    ]
    odberatel = [
        [B("Odberateľ:")],
        [B("{{Zadavatel_meno}}", fs=11)],
        ["{{Zadavatel_adresa}}"],
        [""],
        ["IČO: {{Zadavatel_ICO}}"],
        ["DIČ: {{Zadavatel_DIC}}"],
        ["IČ DPH: {{Zadavatel_ICdph}}"],
    ]
    s.append(tabulka([[dodavatel, odberatel]], [240, 241]))
    s.append(par(""))
    s.append(tabulka([
        ["Dátum vystavenia:", [[B("{{datum_vystavenia}}")]], "Variabilný symbol:", [[B("{{variabilny_symbol}}")]]],
        ["Dátum dodania:", [[B("{{datum_dodania}}")]], "Konštantný symbol:", [[B("{{konstantny_symbol}}")]]],
        ["Dátum splatnosti:", [[B("{{datum_splatnosti}}")]], "Forma úhrady:", [[B("{{forma_uhrady}}")]]],
    ], [110, 130, 110, 131], okraje="vonku"))
    s.append(par(""))
    s.append(par(B("Fakturujeme Vám za " + d["ukon"] + ":")))
    s.append(par("{{fakturujeme_vam}}"))
    if platca:
        s.append(tabulka([
            ["Základ dane:", [[P("{{sumaBezDPH}}", zar="r")]]],
            [[["Sadzba DPH: ", "{{sadzbaDPH}}"]], [[P("", zar="r")]]],
            ["DPH:", [[P("{{hodnotaDPH}}", zar="r")]]],
            [[[B("Celkom k úhrade:")]], [[B("{{sumaSDPH}}", zar="r")]]],
        ], [200, 281], okraje="vonku", tien=(-1,)))
    else:
        s.append(tabulka([
            [[[B("Celkom k úhrade:")]], [[B("{{sumaSDPH}}", zar="r")]]],
        ], [200, 281], okraje="vonku", tien=(-1,)))
    s.append(par(""))
    s.append(tabulka([[
        [["{{platobny_kod}}"]],
        [[P("Faktúru vystavil: ", zar="r"), "{{Vystavil}}"], [""], [""], [P("..............................", zar="r")],
         [M("podpis a pečiatka", zar="r")]],
    ]], [240, 241], okraje="ziadne"))
    s.append(par(""))
    s.append(par("{{dphInfo}}"))
    if platca:
        s.append(par(M("Faktúra slúži ako daňový doklad.")))
    s.append("}\n")
    return "".join(s)


def prijmovy_doklad():
    s = [HLAVICKA]
    s.append(tabulka([[
        [[B("PRÍJMOVÝ POKLADNIČNÝ DOKLAD", fs=14)]],
        [[P("číslo: ", zar="r"), B("{{Cislo}}", fs=12)]],
    ]], [321, 160], okraje="ziadne"))
    s.append(par(""))
    s.append(tabulka([
        [[[B("Firma (pečiatka):")], [B("{{Firma}}")], ["{{Firma_adresa}}"], ["IČO: {{Firma_ICO}}"],
          ["DIČ: {{Firma_DIC}}"]],
         [["Dňa: "], [B("{{den}}", fs=11)]]],
        [[[B("Prijaté od:")], ["{{prijate_od}}"], ["IČO: {{ICO}}   DIČ: {{DIC}}"]],
         [["Číslo dokladu:"], [B("{{Cislo1}}")]]],
        [[["Základ dane:"], ["{{suma_bez_DPH}}"]], [["DPH ", "{{DPH_percent}}", ":"], ["{{suma_DPH}}"]]],
        [[[B("Suma:")], [B("{{suma}}", fs=12)]], [["Slovom:"], ["{{suma_slovom}}"]]],
        [[["Účel platby:"], ["{{Ucel}}"]], [[""]]],
        [[["Vyhotovil:"], ["{{Vyhotovil}}"]], [["Schválil:"], ["{{Schvalil}}"]]],
        [[["Podpis pokladníka:"], [""], [""]], [["Podpis príjemcu / platiteľa:"], [""], [""]]],
    ], [321, 160]))
    s.append(par(""))
    s.append(par(M("Doklad je vyhotovený v hotovosti; suma obsahuje DPH, ak je vyhotoviteľ platiteľom DPH.")))
    s.append("}\n")
    return "".join(s)


def cestovny_prikaz():
    s = [HLAVICKA]
    s.append(par(B("CESTOVNÝ PRÍKAZ", fs=16), zar="c", sa=120))
    s.append(tabulka([
        ["Priezvisko, meno, titul:", [[B("{{Meno}}")]]],
        ["Bydlisko:", [["{{Bydlisko}}"]]],
        ["Spolucestujúci:", [["{{Spolucestujuci}}"]]],
        ["Určený dopravný prostriedok:", [["{{Vozidlo}}, EČ: {{VozidloEC}}"]]],
        ["Predpokladaná dĺžka trasy:", [["{{DlzkaTrasy}} km"]]],
        ["Spotreba PHM podľa TP:", [["{{Spotreba}} l/100 km"]]],
        ["Cena PHM:", [["{{CenaPHM}} za liter"]]],
    ], [170, 311]))
    s.append(par(""))
    s.append(par(B("Priebeh cesty")))
    s.append(tabulka([[
        [[M("Začiatok cesty (miesto, dátum, hodina)")]], [[M("Miesto rokovania")]], [[M("Účel cesty")]],
        [[M("Koniec cesty (miesto, dátum, hodina)")]],
    ]], [120, 120, 121, 120], tien=(0,)))
    s.append(par("{{PriebehCesty}}"))
    s.append(par(""))
    s.append(par(B("VYÚČTOVANIE PRACOVNEJ CESTY", fs=12), zar="c", sa=120))
    s.append(tabulka([
        ["Počet najazdených km:", [["{{PocetNajazdenychKM}} km"]]],
        ["Priemerná spotreba podľa TP:", [["{{PriemernaSpotrebaPodlaTP}} l/100 km"]]],
        ["Cena za liter PHM:", [["{{CenaLiterPHM}}"]]],
        ["Základná náhrada za 1 km:", [["{{Opotrebenie}}"]]],
    ], [170, 311]))
    s.append(par(""))
    s.append(tabulka([[
        [[M("Dátum")]], [[M("Stravné", zar="r")]], [[M("Nocľažné", zar="r")]], [[M("Vedľajšie výdavky", zar="r")]],
    ]], [61, 140, 140, 140], tien=(0,)))
    s.append(par("{{FinancieCesty}}"))
    s.append(par(""))
    s.append(tabulka([
        ["Náhrada za PHM:", [[P("{{PHM_celkom}}", zar="r")]]],
        ["Cestovné:", [[P("{{Cestovne}}", zar="r")]]],
        ["Stravné:", [[P("{{Stravne}}", zar="r")]]],
        ["Ostatné náklady:", [[P("{{OstatneNaklady}}", zar="r")]]],
        [[[B("Spolu:")]], [[B("{{SpoluNaklady}}", zar="r")]]],
    ], [200, 281], okraje="vonku", tien=(-1,)))
    s.append(par(""))
    s.append(par("Vyúčtované dňa: ", B("{{VyuctovaneDna}}")))
    s.append(par(""))
    s.append(tabulka([[
        [["..............................."], [M("podpis pracovníka")]],
        [[P("...............................", zar="r")], [M("schválil", zar="r")]],
    ]], [240, 241], okraje="ziadne"))
    s.append(par(""))
    s.append("}\n")
    return "".join(s)


def zapis(adresar, nazov, obsah):
    cesta = os.path.join(adresar, nazov)
    data = obsah.encode("ascii")
    if os.path.exists(cesta) and open(cesta, "rb").read() == data:
        return
    with open(cesta, "wb") as f:
        f.write(data)


def main():
    adresar = sys.argv[1] if len(sys.argv) > 1 else CIEL
    os.makedirs(adresar, exist_ok=True)
    for druh in DRUHY:
        zapis(adresar, "FakturaRozpisDPH%s.dot" % druh, faktura(True, druh))
        zapis(adresar, "Faktura%s.dot" % druh, faktura(False, druh))
    zapis(adresar, "prijmovy_doklad.dot", prijmovy_doklad())
    zapis(adresar, "cestovny_prikaz.dot", cestovny_prikaz())


if __name__ == "__main__":
    main()
