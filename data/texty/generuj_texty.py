#!/usr/bin/env python3
"""Writes the rich-text templates that ship in "ZnaleckyKevrot texty".

    python3 data/texty/generuj_texty.py [target directory]

The texts are kept here as plain Slovak; the script writes them as RTF that is 7-bit
ASCII: Slovak letters as \\'hh escapes of Windows-1250, fonts declared with \\fcharset238.
Each paragraph is one line of the source, so a placeholder ("$CISLO$") is always one
plain run on one line. A file that already exists with the same content is left alone.
"""

import os
import re
import sys

KORENOVY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "ZnaleckyKevrot texty")

DRUHY = {"znalec": "", "tlmocnik": " (tlmocnik)", "prekladatel": " (prekladatel)"}
VYUCTOVANIE = "Text vyuctovania"
VYPLATENIE = "Text vyuctovania - financna ciastka"
KORESPONDENCIA = "Korespondencia - objednavky"

ZASTUPCOVIA_TEXTOV = {"$CISLO$", "$UKON$", "$PREDMET$", "$OBJEDNAVKA$", "$VARIAB_SYMBOL$", "$CISLO_UCTU$"}
ZASTUPCOVIA_LISTOV = {"$DATUM_VYZIAD$", "$ZADAVATEL_MENO$", "$ZADAVATEL_ADRESA$", "$ZNALEC_MENO$",
                      "$ZNALEC_ADRESA$", "$ZNALEC_MESTO$", "$ZNALEC_HLAVICKA$", "$ZNALEC_PATA$",
                      "$DNES$", "$CISLO_UCTU$", "$OBJEDNAVKA$"}

# The same font numbers in every file: the header's source is pasted into letters.
TABULKA_PISIEM = r"{\fonttbl{\f0\froman\fcharset238 Times New Roman;}{\f1\fswiss\fcharset238 Arial;}}"
ZACIATOK = r"{\rtf1\ansi\ansicpg1250\deff0\deflang1051"
STRANA_LISTU = r"\paperw11906\paperh16838\margl1418\margr1418\margt1134\margb1134"

VYHLASKA = ("vyhlášky Ministerstva spravodlivosti Slovenskej republiky č. 491/2004 Z. z. o odmenách, "
            "náhradách výdavkov a náhradách za stratu času pre znalcov, tlmočníkov a prekladateľov "
            "v znení neskorších predpisov")
ZAKON = ("zákonom č. 382/2004 Z. z. o znalcoch, tlmočníkoch a prekladateľoch a o zmene a doplnení "
         "niektorých zákonov v znení neskorších predpisov")


NBSP = "\u00a0"


def pevne(text):
    """No line break inside the abbreviations of the collection and of the file mark."""
    return text.replace("Z. z.", "Z." + NBSP + "z.").replace("sp. zn.", "sp." + NBSP + "zn.")


def escapuj(text):
    """RTF text of a plain string; "**" switches bold on and off."""
    vysledok = []
    tucne = False
    for i, kus in enumerate(pevne(text).split("**")):
        if i > 0:
            tucne = not tucne
            vysledok.append("{\\b " if tucne else "}")
        for znak in kus:
            if znak in "\\{}":
                vysledok.append("\\" + znak)
            elif znak == NBSP:
                vysledok.append("\\~")
            elif znak == "\t":
                vysledok.append("\\tab ")
            elif " " <= znak <= "~":
                vysledok.append(znak)
            else:
                bajt = znak.encode("cp1250")  # fails loudly on a character outside the code page
                vysledok.append("\\'%02x" % bajt[0])
    if tucne:
        raise ValueError("unclosed bold in: " + text)
    return "".join(vysledok)


def odsek(text, zarovnanie="j", velkost=12, pismo=0, pred=0, za=120, vlavo=0, prvy=0, tucne=False,
          ciara_pod=False):
    riadiace = "\\pard\\plain\\q%s" % zarovnanie
    if ciara_pod:
        riadiace += "\\brdrb\\brdrs\\brdrw10\\brsp40"
    if vlavo:
        riadiace += "\\li%d" % vlavo
    if prvy:
        riadiace += "\\fi%d" % prvy
    if pred:
        riadiace += "\\sb%d" % pred
    riadiace += "\\sa%d\\f%d\\fs%d" % (za, pismo, velkost * 2)
    if tucne:
        riadiace += "\\b"
    return riadiace + (" " + escapuj(text) if text else "") + "\\par"


def odrazka(text):
    return odsek("\u2022\t" + text, zarovnanie="l", vlavo=567, prvy=-283, za=60)


def prazdny(velkost=12):
    return odsek("", zarovnanie="l", velkost=velkost, za=0)


def dokument(odseky, strana=True):
    riadky = [ZACIATOK, TABULKA_PISIEM]
    if strana:
        riadky.append(STRANA_LISTU)
    riadky.extend(odseky)
    riadky.append("}")
    return ("\r\n".join(riadky) + "\r\n").encode("ascii")


# ---- billing texts ---------------------------------------------------------------------

def text_pre_sud(uvod, odmena):
    return [
        odsek(uvod),
        odsek("V súlade so " + ZAKON + " a s vyhláškou Ministerstva spravodlivosti Slovenskej "
              "republiky č. 491/2004 Z. z. o odmenách, náhradách výdavkov a náhradách za stratu času "
              "pre znalcov, tlmočníkov a prekladateľov v znení neskorších predpisov si uplatňujem "
              + odmena + ", náhradu výdavkov a náhradu za stratu času v tomto rozsahu:"),
    ]


def text_na_objednavku(uvod, odmena_velkym):
    return [
        odsek(uvod),
        odsek(odmena_velkym + " a náhrada výdavkov sú určené podľa " + VYHLASKA
              + " a sú rozpísané v nasledujúcom prehľade."),
    ]


TEXTY_VYUCTOVANIA = {
    "znalec": {
        "Znalecky ukon pre sud": text_pre_sud(
            "Na základe uznesenia sp. zn. $OBJEDNAVKA$ bol vykonaný znalecký úkon "
            "č. $CISLO$ – $UKON$, predmet úkonu: $PREDMET$.", "znalečné"),
        "Znalecky ukon na objednavku": text_na_objednavku(
            "**Vyúčtovanie znalečného za znalecký úkon č. $CISLO$** – $UKON$, predmet úkonu: "
            "$PREDMET$, vykonaný na základe Vašej objednávky č. $OBJEDNAVKA$.", "Znalečné"),
    },
    "tlmocnik": {
        "Tlmocnicky ukon pre sud": text_pre_sud(
            "Na základe pribratia za tlmočníka v konaní sp. zn. $OBJEDNAVKA$ bol vykonaný "
            "tlmočnícky úkon č. $CISLO$ – $UKON$, predmet úkonu: $PREDMET$.", "tlmočné"),
        "Tlmocnicky ukon na objednavku": text_na_objednavku(
            "**Vyúčtovanie tlmočného za tlmočnícky úkon č. $CISLO$** – $UKON$, predmet úkonu: "
            "$PREDMET$, vykonaný na základe Vašej objednávky č. $OBJEDNAVKA$.", "Tlmočné"),
    },
    "prekladatel": {
        "Prekladatelsky ukon pre sud": text_pre_sud(
            "Na základe uznesenia sp. zn. $OBJEDNAVKA$ bol vykonaný prekladateľský úkon "
            "č. $CISLO$ – $UKON$, predmet úkonu: $PREDMET$. Preklad je opatrený prekladateľskou "
            "doložkou.", "prekladateľské"),
        "Prekladatelsky ukon na objednavku": text_na_objednavku(
            "**Vyúčtovanie prekladateľského za prekladateľský úkon č. $CISLO$** – $UKON$, predmet "
            "úkonu: $PREDMET$, vykonaný na základe Vašej objednávky č. $OBJEDNAVKA$.",
            "Prekladateľské"),
    },
}

# ---- payment texts ---------------------------------------------------------------------

ODMENA = {"znalec": ("znalečné", "znalečného"), "tlmocnik": ("tlmočné", "tlmočného"),
          "prekladatel": ("prekladateľské", "prekladateľského")}
NAZOV_PRIZNANIA = {"znalec": "Priznanie znalecneho", "tlmocnik": "Priznanie tlmocneho",
                   "prekladatel": "Priznanie prekladatelskeho"}


def texty_vyplatenia(druh):
    odmena, odmeny = ODMENA[druh]
    return {
        "Uhrada na ucet": [
            odsek("Vyúčtované " + odmena + " a náhradu výdavkov v celkovej sume uvedenej v tomto "
                  "vyúčtovaní žiadam uhradiť bezhotovostným prevodom na účet č. $CISLO_UCTU$ "
                  "s variabilným symbolom $VARIAB_SYMBOL$ do 14 dní odo dňa jeho doručenia."),
        ],
        NAZOV_PRIZNANIA[druh]: [
            odsek("Žiadam o priznanie " + odmeny + ", náhrady výdavkov a náhrady za stratu času "
                  "vo vyúčtovanej výške a o ich poukázanie po nadobudnutí právoplatnosti rozhodnutia "
                  "na účet č. $CISLO_UCTU$, variabilný symbol $VARIAB_SYMBOL$."),
        ],
    }


# ---- letters ---------------------------------------------------------------------------

PODPIS = {"znalec": "znalec", "tlmocnik": "tlmočník", "prekladatel": "prekladateľ"}
ODSADENIE_PODPISU = 5103  # the signature block in the right half


def adresat_a_vec(vec):
    return [
        odsek("$ZADAVATEL_MENO$", zarovnanie="l", za=0, tucne=True),
        odsek("$ZADAVATEL_ADRESA$", zarovnanie="l", za=0),
        prazdny(),
        odsek("$ZNALEC_MESTO$, dňa $DNES$", zarovnanie="r", za=360),
        odsek("Vec: " + vec, zarovnanie="l", za=240, tucne=True),
    ]


def podpis(druh, prilohy=()):
    riadky = [
        odsek("S pozdravom", zarovnanie="l", pred=240, za=0),
        prazdny(), prazdny(), prazdny(),
        odsek("$ZNALEC_MENO$", zarovnanie="l", vlavo=ODSADENIE_PODPISU, za=0),
        odsek(PODPIS[druh], zarovnanie="l", vlavo=ODSADENIE_PODPISU, za=0),
    ]
    if prilohy:
        riadky.append(prazdny())
        riadky.append(odsek("Prílohy:" if len(prilohy) > 1 else "Príloha:", zarovnanie="l", za=0))
        riadky.extend(odrazka(p) for p in prilohy)
    return riadky


def hlavicka_listu():
    # The header file's source replaces the placeholder: its paragraphs stand here.
    return [odsek("$ZNALEC_HLAVICKA$", zarovnanie="l", za=0), prazdny()]


def odosielatel():
    return [
        odsek("$ZNALEC_MENO$", zarovnanie="l", za=0, tucne=True),
        odsek("$ZNALEC_ADRESA$", zarovnanie="l", za=0),
        prazdny(), prazdny(),
    ]


def potvrdenie(druh, co, uvod_dalsi):
    odmena = ODMENA[druh][0]
    return (hlavicka_listu()
            + adresat_a_vec("Potvrdenie prijatia objednávky č. $OBJEDNAVKA$")
            + [odsek("Potvrdzujem prijatie Vašej objednávky č. $OBJEDNAVKA$ zo dňa $DATUM_VYZIAD$ "
                     + co),
               odsek(uvod_dalsi),
               odsek(odmena[0].upper() + odmena[1:] + ", náhradu výdavkov a náhradu za stratu času "
                     "vyúčtujem podľa " + VYHLASKA + ". Vyúčtovanú sumu bude možné uhradiť na účet "
                     "č. $CISLO_UCTU$.")]
            + podpis(druh)
            + [odsek("$ZNALEC_PATA$", zarovnanie="l", za=0)])


def sprievodny_list(druh, co, prilohy):
    odmeny = ODMENA[druh][1]
    return (odosielatel()
            + adresat_a_vec("Vyúčtovanie " + odmeny + " – objednávka č. $OBJEDNAVKA$")
            + [odsek(co),
               odsek("Vyúčtovanú sumu Vás žiadam uhradiť na účet č. $CISLO_UCTU$ v lehote splatnosti "
                     "uvedenej vo vyúčtovaní. Pri platbe, prosím, uveďte variabilný symbol uvedený "
                     "vo vyúčtovaní.")]
            + podpis(druh, prilohy))


LISTY = {
    "znalec": {
        "Potvrdenie prijatia objednavky": potvrdenie(
            "znalec", "na vykonanie znaleckého úkonu. Objednávku prijímam a znalecký úkon vykonám "
            "v dohodnutej lehote.",
            "Ak budú na vykonanie úkonu potrebné ďalšie podklady alebo obhliadka predmetu úkonu, "
            "budem Vás o tom bezodkladne informovať."),
        "Sprievodny list k vyuctovaniu": sprievodny_list(
            "znalec", "V prílohe Vám zasielam vyúčtovanie znalečného, náhrady výdavkov a náhrady "
            "za stratu času za znalecký úkon vykonaný na základe Vašej objednávky č. $OBJEDNAVKA$ "
            "zo dňa $DATUM_VYZIAD$.", ["vyúčtovanie znalečného"]),
        "Vyziadanie podkladov": (
            hlavicka_listu()
            + adresat_a_vec("Žiadosť o doplnenie podkladov k objednávke č. $OBJEDNAVKA$")
            + [odsek("Na vykonanie znaleckého úkonu, ktorý ste objednali objednávkou "
                     "č. $OBJEDNAVKA$ zo dňa $DATUM_VYZIAD$, Vás žiadam o doplnenie týchto podkladov:"),
               odrazka("listiny a doklady, ktoré sa týkajú predmetu znaleckého úkonu, v origináli "
                       "alebo v osvedčenej kópii,"),
               odrazka("technická dokumentácia a ďalšie údaje potrebné na posúdenie veci,"),
               odrazka("meno a telefonický kontakt osoby, ktorá umožní obhliadku predmetu "
                       "znaleckého úkonu."),
               odsek("Lehota na vykonanie znaleckého úkonu začína plynúť dňom doručenia úplných "
                     "podkladov. Zapožičané originály Vám po vykonaní úkonu vrátim.", pred=120)]
            + podpis("znalec")),
    },
    "tlmocnik": {
        "Potvrdenie prijatia objednavky": potvrdenie(
            "tlmocnik", "na tlmočenie. Objednávku prijímam a tlmočnícky úkon vykonám v termíne "
            "a na mieste, ktoré sú v nej uvedené.",
            "Zmenu termínu alebo miesta tlmočenia mi, prosím, oznámte bezodkladne."),
        "Sprievodny list k vyuctovaniu": sprievodny_list(
            "tlmocnik", "V prílohe Vám zasielam vyúčtovanie tlmočného, náhrady výdavkov a náhrady "
            "za stratu času za tlmočnícky úkon vykonaný na základe Vašej objednávky č. $OBJEDNAVKA$ "
            "zo dňa $DATUM_VYZIAD$.", ["vyúčtovanie tlmočného"]),
    },
    "prekladatel": {
        "Potvrdenie prijatia objednavky": potvrdenie(
            "prekladatel", "na vyhotovenie prekladu. Objednávku prijímam; preklad vyhotovím ako "
            "úradný preklad s prekladateľskou doložkou a odovzdám ho v dohodnutej lehote.",
            "Ak bude na vyhotovenie prekladu potrebný originál listiny alebo jej osvedčená kópia, "
            "budem Vás o tom bezodkladne informovať."),
        "Sprievodny list k prekladu": sprievodny_list(
            "prekladatel", "V prílohe Vám zasielam úradný preklad vyhotovený na základe Vašej "
            "objednávky č. $OBJEDNAVKA$ zo dňa $DATUM_VYZIAD$ spolu s vyúčtovaním prekladateľského, "
            "náhrady výdavkov a náhrady za stratu času.",
            ["preklad s prekladateľskou doložkou", "vyúčtovanie prekladateľského"]),
    },
}

# ---- header and footer of the billing document ------------------------------------------
# Both are samples for the practitioner to complete. The header's source is also pasted
# into letters in place of "$ZNALEC_HLAVICKA$": it holds no page settings, uses the fonts
# of the letters under the same numbers, and leaves no formatting behind. No ";" or tab:
# the billing document turns the header into a table.

HLAVICKA = [
    odsek("Titul Meno Priezvisko", zarovnanie="c", velkost=14, za=60, tucne=True),
    odsek("zapísaný v zozname znalcov, tlmočníkov a prekladateľov vedenom Ministerstvom "
          "spravodlivosti Slovenskej republiky, evidenčné číslo ........", zarovnanie="c",
          velkost=10, za=0),
    odsek("Ulica číslo, PSČ Mesto \u2022 tel.: ........ \u2022 e-mail: ........",
          zarovnanie="c", velkost=10, za=120, ciara_pod=True),
]

PATA = [
    odsek("Bankové spojenie: ........ \u2022 IČO: ........ \u2022 DIČ: ........",
          zarovnanie="c", velkost=8, pismo=1, za=0),
]


def subory():
    """(relative path, content) of every shipped file."""
    for druh, pripona in DRUHY.items():
        for nazov, odseky in TEXTY_VYUCTOVANIA[druh].items():
            yield os.path.join(VYUCTOVANIE + pripona, nazov + ".rtf"), dokument(odseky, strana=False)
        for nazov, odseky in texty_vyplatenia(druh).items():
            yield os.path.join(VYPLATENIE + pripona, nazov + ".rtf"), dokument(odseky, strana=False)
        for nazov, odseky in LISTY[druh].items():
            yield os.path.join(KORESPONDENCIA + pripona, nazov + ".rtf"), dokument(odseky)
    yield "hlavicka_vyuctovania.rtf", dokument(HLAVICKA, strana=False)
    yield "pata_vyuctovania.rtf", dokument(PATA, strana=False)


def over(cesta, obsah):
    povolene = ZASTUPCOVIA_LISTOV if cesta.startswith(KORESPONDENCIA) else ZASTUPCOVIA_TEXTOV
    if cesta in ("hlavicka_vyuctovania.rtf", "pata_vyuctovania.rtf"):
        povolene = set()
    for riadok in obsah.decode("ascii").split("\r\n"):
        najdene = re.findall(r"\$[A-Z_]+\$", riadok)
        if riadok.count("$") != 2 * len(najdene):
            raise ValueError("%s: a broken placeholder in: %s" % (cesta, riadok))
        for z in najdene:
            if z not in povolene:
                raise ValueError("%s: unknown placeholder %s" % (cesta, z))
    if not all(ord("A") <= ord(c) <= ord("z") or c in " -()_." or c.isdigit() for c in cesta.replace(os.sep, "")):
        raise ValueError("file name is not plain ASCII: " + cesta)


def main():
    ciel = sys.argv[1] if len(sys.argv) > 1 else KORENOVY
    for rel, obsah in subory():
        over(rel, obsah)
        plna = os.path.join(ciel, rel)
        os.makedirs(os.path.dirname(plna), exist_ok=True)
        if os.path.exists(plna):
            with open(plna, "rb") as f:
                if f.read() == obsah:
                    continue
        with open(plna, "wb") as f:
            f.write(obsah)
        print("written:", rel)


if __name__ == "__main__":
    main()
