#include "KonstantneSymboly.h"

namespace KonstantneSymboly {

const QStringList& Zoznam()
{
    static const QStringList zoznam = {
        QStringLiteral("1118 - Administratívne a iné poplatky a platby - vo vzťahu k ŠR  "),
        QStringLiteral("1144 - Bežná záloha dane"),
        QStringLiteral("1148 - Bežná záloha dane"),
        QStringLiteral("7948 - Blokové pokuty vyrubené daňovým úradom"),
        QStringLiteral("0938 - Dávky sociálneho zabezpečenia"),
        QStringLiteral("1548 - Dodatočné daňové priznanie"),
        QStringLiteral("5748 - Dodatočné daňové priznanie"),
        QStringLiteral("6148 - Dodatočná platba z daňovej inšpekcie"),
        QStringLiteral("2148 - Dodatočne vyrubená daň"),
        QStringLiteral("1348 - Doúčtovanie daní za predchádzajúce zdaňovacie obdobie"),
        QStringLiteral("7548 - Exekučné náklady"),
        QStringLiteral("0558 - Finančné platby ostatné"),
        QStringLiteral("0158 - Hospodársko operatívne výdavky"),
        QStringLiteral("3718 - Nájomné za prenájom - vo vzťahu k ŠR"),
        QStringLiteral("2058 - Nákup cenných papierov (akcie, dlhopisy, zmenky)"),
        QStringLiteral("5348 - Nárok na odpočet dane"),
        QStringLiteral("5058 - Ostatné obchody s cennými papiermi"),
        QStringLiteral("0968 - Ostatné prevody medzi účtami toho istého klienta"),
        QStringLiteral("2018 - Ostatné príjmy vo vzťahu k ŠR"),
        QStringLiteral("3818 - Ostatné tovary a služby - vo vzťahu k ŠR"),
        QStringLiteral("2948 - Pauš. daň podľa §15 Z.č. 366/1999 Z.z. o dan. z príjmov"),
        QStringLiteral("0058 - Penále, poplatky z omeškania, iné majetkové sankcie, náhrady škôd"),
        QStringLiteral("7148 - Penále z daňovej inšpekcie"),
        QStringLiteral("3148 - Penále z kontroly"),
        QStringLiteral("3348 - Penále zo správy"),
        QStringLiteral("3548 - Penále vyrubené daňovými orgánmi z kontroly"),
        QStringLiteral("3748 - Penále vyrubené daňovými orgánmi zo správy"),
        QStringLiteral("8148 - Platba (účtovaná súčasne s predpisom)"),
        QStringLiteral("0028 - Platby za dodávky investičnej povahy"),
        QStringLiteral("3558 - Platby poistného poisťovniam"),
        QStringLiteral("0108 - Platby za poľnohospodárske výrobky"),
        QStringLiteral("0308 - Platby za služby"),
        QStringLiteral("0008 - Platby za tovar (okrem platieb pod symbolmi 010x)"),
        QStringLiteral("0358 - Platby určené na výplaty v hotovosti prostredníctvom pôšt"),
        QStringLiteral("8748 - Platba na vyrovnanie preplatku"),
        QStringLiteral("3118 - Poistné a príspevok zamestnávateľa do poisťovní a NÚP"),
        QStringLiteral("6348 - Pokuta z kontroly"),
        QStringLiteral("6548 - Pokuta zo správy"),
        QStringLiteral("6748 - Pokuty vyrubené daňovou inšpekciou"),
        QStringLiteral("6948 - Pokuty vyrubené daňovým orgánom, kt. nie sú príjmom osob. účtu ŠR"),
        QStringLiteral("3058 - Predaj cenných papierov"),
        QStringLiteral("0858 - Prechodne poskytnuté pôžičky"),
        QStringLiteral("0068 - Prevody prostriedkov na mzdy a ostatné osobné náklady"),
        QStringLiteral("1018 - Príjmy z podnikania a vlastníctva majetku - vo vzťahu k ŠR"),
        QStringLiteral("1318 - Príjmy zo splác. pôžič. poskytnutých zo ŠR a z predaja účas. majetku štátu"),
        QStringLiteral("0038 - Prostriedky na mzdy"),
        QStringLiteral("5918 - Splácanie dom. istiny, splác. výnosy z cenných papierov - vo vzťahu k ŠR"),
        QStringLiteral("5118 - Splácanie úrokov a ostatné platby súvisiace s úvermi - vo vzťahu k ŠR"),
        QStringLiteral("0168 - Splátky úverov a pôžičiek"),
        QStringLiteral("0078 - Tržby za predaný tovar a poskytnuté stravovanie"),
        QStringLiteral("0178 - Tržby za poskytnuté služby"),
        QStringLiteral("2558 - Úhrady poistných plnení poisťovňami"),
        QStringLiteral("7748 - Úrok platený daňovému subjektu za oneskorenie vrátenia preplatku"),
        QStringLiteral("7348 - Úrok pri odklade platenia"),
        QStringLiteral("4948 - Vrátenie dane - nepriame dane"),
        QStringLiteral("4058 - Vyplácanie výnosov z cen. papierov, splatnosť menovitej hodnoty"),
        QStringLiteral("1748 - Vyúčtovanie dane za posledné zdaňovacie obdobie (DPFO, DPPO)"),
        QStringLiteral("0138 - Zrážky z miezd"),
        QStringLiteral("1948 - Zúčt. rozdielov predd. na daň z príjmov zo záv. činnosti, zrážky daní"),
        QStringLiteral("5148 - Zvýšenie dane"),
        QStringLiteral("5948 - Zvýšenie dane - daňová inšpekcia"),
    };
    return zoznam;
}

int IndexPodlaTextu(const QString& text)
{
    if (text.isEmpty())
        return -1;
    const QStringList& z = Zoznam();
    for (int i = 0; i < z.size(); ++i)
        if (z[i].contains(text))
            return i;
    return -1;
}

QString KodPolozky(int index)
{
    const QStringList& z = Zoznam();
    if (index < 0 || index >= z.size())
        return {};
    return z[index].left(4);
}

}  // namespace KonstantneSymboly
