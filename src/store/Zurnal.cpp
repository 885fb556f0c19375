#include "Zurnal.h"

#include "SadzbyDPH.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <numeric>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

#include "Cesty.h"
#include "Datum.h"
#include "Spravy.h"
#include "Subory.h"

namespace {

constexpr int kDlzkaDatumovVyplatenia = 100;

void ohlasProblem(const QString& cesta) { spravy().chyba(textProblemSoSuborom(cesta)); }

// The row of the record at the start of an entry file, as Zurnal::CitajZaznam reads it.
std::optional<RiadokKevrota> citajRiadok(const QByteArray& data)
{
    if (data.size() < TZnalKevrotZaznam::VELKOST_STARA)
        return std::nullopt;
    if (Subory::int32Na(data, TZnalKevrotZaznam::PoziciaVerzie) == TZnalKevrotZaznam::VerziaAktualna) {
        if (data.size() < TZnalKevrotZaznam::VELKOST)
            return std::nullopt;
        return RiadokKevrota::zObrazu(data.constData());
    }
    // The older layouts, rare by now, through the whole record.
    qsizetype p = 0;
    const auto z = Zurnal::CitajZaznam(data, p);
    if (!z)
        return std::nullopt;
    return RiadokKevrota::zoZaznamu(*z);
}

}  // namespace

const QStringList& Zurnal::DokumentyZaznamu()
{
    static const QStringList d = {
        QStringLiteral("faktura.doc"),          QStringLiteral("prijmovy_doklad.doc"),
        QStringLiteral("vyuctovanie.doc"),      QStringLiteral("text_vyuctovania.rtf"),
        QStringLiteral("text_financna_ciastka.rtf"), QStringLiteral("efaktura.xml"),
        QStringLiteral("dobropis.xml"),
        // Kept as well: the travel order, the PDFs and the documents' issue date.
        QStringLiteral("cestovny_prikaz.doc"), QStringLiteral("vyuctovanie.pdf"), QStringLiteral("faktura.pdf"),
        QStringLiteral("prijmovy_doklad.pdf"), QStringLiteral("cestovny_prikaz.pdf"), QStringLiteral("doklady.txt"),
    };
    return d;
}

const QStringList& Zurnal::PracovneDokumenty() { return DokumentyZaznamu(); }

QString Zurnal::SuborZaznamu(int cislo, int rok) { return AdresarDokumentov(cislo, rok) + QStringLiteral(".kvd"); }

QString Zurnal::AdresarDokumentov(int cislo, int rok)
{
    const QString r = QString::number(rok);
    return Cesty::adresarRoka(rok) + u'/' + QString::number(cislo) + u'-' + r;
}

QString Zurnal::CestaZaznamu(const TZnalKevrotZaznam& zaznam)
{
    return zaznam.Subor.isEmpty() ? SuborZaznamu(zaznam.PoradoveCislo, zaznam.Rok) : zaznam.Subor;
}

QString Zurnal::AdresarDokumentov(const TZnalKevrotZaznam& zaznam)
{
    return CestaZaznamu(zaznam).chopped(4);  // without ".kvd"
}

QString Zurnal::CestaZaznamu(const RiadokKevrota& riadok)
{
    const QString s = riadok.Subor();
    return s.isEmpty() ? SuborZaznamu(riadok.PoradoveCislo, riadok.Rok) : s;
}

QString Zurnal::AdresarDokumentov(const RiadokKevrota& riadok)
{
    return CestaZaznamu(riadok).chopped(4);  // without ".kvd"
}

QString Zurnal::cestaNaZapis(int cislo, int rok, int index) const
{
    if (index < 0 || index >= ZaznamyKevrota.size())
        return SuborZaznamu(cislo, rok);
    const RiadokKevrota& r = ZaznamyKevrota.at(index);
    return r.PoradoveCislo == cislo && r.Rok == rok ? CestaZaznamu(r) : SuborZaznamu(cislo, rok);
}

QString Zurnal::DatumyVyplateniaZ(const QList<TVyplatenie>& vyplatenia)
{
    QString t;
    for (const auto& v : vyplatenia) {
        t += DatumText(v.Datum);
        t += QChar(13);
        if (t.size() >= kDlzkaDatumovVyplatenia)
            break;
    }
    return t.left(kDlzkaDatumovVyplatenia);
}

QStringList Zurnal::DatumyVyplateniaZoznam(const QString& datumy)
{
    QStringList d;
    for (const QString& t : datumy.split(QChar(13)))
        if (!t.trimmed().isEmpty())
            d.append(t.trimmed());
    return d;
}

void Zurnal::NastavVyplatenia(TZnalKevrotZaznam& zaznam) const
{
    zaznam.PocetVyplateni = qint32(VyplateniaZaznamu.size());
    zaznam.DatumyVyplatenia = DatumyVyplateniaZ(VyplateniaZaznamu);
}

QStringList Zurnal::suboryRoka(int rok)
{
    const QString adresar = Cesty::adresarRoka(rok);
    // The folder read directly, as QDir's "*.kvd" filter of files would (regular files and links
    // to them, no hidden ones), the type taken from the folder entry where it says so; then
    // sorted by name as QDir::Name sorts. Cheaper than QDir and QDirIterator.
    QStringList mena;
    if (DIR* d = ::opendir(QFile::encodeName(adresar).constData())) {
        const int fd = ::dirfd(d);
        while (const dirent* e = ::readdir(d)) {
            const std::string_view m(e->d_name);
            if (m.size() < 5 || m.front() == '.' ||
                QByteArrayView(m.substr(m.size() - 4)).compare(".kvd", Qt::CaseInsensitive) != 0)
                continue;
            struct stat st;
            if (e->d_type != DT_REG && (::fstatat(fd, e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode)))
                continue;
            mena.append(QFile::decodeName(e->d_name));
        }
        ::closedir(d);
    }
    std::sort(mena.begin(), mena.end());
    QStringList cesty;
    cesty.reserve(mena.size());
    for (const auto& m : mena)
        cesty.append(adresar + u'/' + m);
    return cesty;
}

Zurnal::CitanieSuboru Zurnal::citajSubor(const QString& cesta, bool ajVyuctovanie,
                                         const std::function<void(const QByteArray&)>& priSubore)
{
    CitanieSuboru v;
    // One buffer per thread for all the files it reads: the records kept from one file do
    // not then scatter the memory the next file is read into.
    thread_local QByteArray data;
    if (!Subory::citajDo(cesta, data))
        return v;
    if (priSubore)
        priSubore(data);
    if (!ajVyuctovanie) {
        v.riadok = citajRiadok(data);
        v.platny = v.riadok.has_value();
        return v;
    }
    qsizetype p = 0;
    const auto zaznam = CitajZaznam(data, p);
    if (!zaznam)
        return v;
    v.platny = true;
    v.doZoznamu = zaznam->DoZoznamuVyuctovani;
    QList<TVydavok> vydavky;
    if (v.doZoznamu && CitajVydavky(data, p, vydavky))
        v.vyuctovanie = TCiselnikVydavok::zoZaznamu(*zaznam, vydavky);
    return v;
}

std::vector<Zurnal::CitanieSuboru> Zurnal::citajSubory(const QStringList& subory, bool ajVyuctovanie,
                                                        const PriSubore& priSubore)
{
    // Each result is decoded straight into its place: no copies through a result store.
    std::vector<CitanieSuboru> citania(size_t(subory.size()));
    std::vector<qsizetype> indexy(citania.size());
    std::iota(indexy.begin(), indexy.end(), 0);
    QtConcurrent::blockingMap(indexy, [&](qsizetype i) {
        citania[size_t(i)] = priSubore ? citajSubor(subory.at(i), ajVyuctovanie,
                                                    [&](const QByteArray& data) { priSubore(i, data); })
                                       : citajSubor(subory.at(i), ajVyuctovanie);
    });
    return citania;
}

void Zurnal::prevezmiZaznamy(const QStringList& subory, std::vector<CitanieSuboru>& citania,
                             std::vector<qsizetype>* odkial)
{
    if (odkial)
        odkial->clear();
    ZaznamyKevrota.clear();
    ZaznamyKevrota.reserve(qsizetype(citania.size()));
    // One folder for all the rows: they share its text.
    const QString adresar = subory.isEmpty() ? QString() : QFileInfo(subory.first()).path();
    for (size_t i = 0; i < citania.size(); ++i) {
        auto& r = citania[i].riadok;
        const QString& cesta = subory.at(qsizetype(i));
        if (!r) {
            ohlasProblem(cesta);
            continue;
        }
        r->nastavSubor(adresar, QStringView(cesta).mid(adresar.size() + 1));
        ZaznamyKevrota.append(std::move(*r));
        if (odkial)
            odkial->push_back(qsizetype(i));
    }
}

void Zurnal::prevezmiVyuctovania(const QStringList& subory, const std::vector<CitanieSuboru>& citania)
{
    UlozeneVyuctovania.clear();
    for (size_t i = 0; i < citania.size(); ++i) {
        const auto& v = citania[i];
        if (v.platny && !v.doZoznamu)
            continue;
        if (v.vyuctovanie)
            UlozeneVyuctovania.append(*v.vyuctovanie);
        else
            ohlasProblem(subory.at(qsizetype(i)));
    }
    std::stable_sort(UlozeneVyuctovania.begin(), UlozeneVyuctovania.end(),
                     [](const TCiselnikVydavok& a, const TCiselnikVydavok& b) {
                         return a.CisloZaznamu < b.CisloZaznamu;
                     });
}

void Zurnal::NacitajRok(int rok) { NacitajSubory(suboryRoka(rok), {}, nullptr); }

void Zurnal::NacitajSubory(const QStringList& subory, const PriSubore& priSubore, std::vector<qsizetype>* odkial)
{
    auto citania = citajSubory(subory, false, priSubore);
    prevezmiZaznamy(subory, citania, odkial);
    ohlasDuplicity();
}

void Zurnal::ohlasDuplicity()
{
    auto kluc = [](const RiadokKevrota& z) { return (qint64(z.Rok) << 32) | quint32(z.PoradoveCislo); };
    // Counted first: the paths are put together only for numbers that more files carry.
    QHash<qint64, int> pocty;
    for (const auto& z : std::as_const(ZaznamyKevrota))
        ++pocty[kluc(z)];
    QHash<qint64, QStringList> podlaCisla;
    for (const auto& z : std::as_const(ZaznamyKevrota))
        if (pocty.value(kluc(z)) > 1)
            podlaCisla[kluc(z)].append(z.Subor());
    QStringList riadky;
    for (const auto& z : std::as_const(ZaznamyKevrota)) {
        if (pocty.value(kluc(z)) < 2)
            continue;
        const QStringList& subory = podlaCisla.value(kluc(z));
        if (subory.first() != z.Subor())
            continue;
        QStringList mena;
        for (const auto& s : subory)
            mena.append(QFileInfo(s).fileName());
        const QString riadok = QStringLiteral("číslo %1/%2: %3").arg(z.PoradoveCislo).arg(z.Rok).arg(mena.join(QStringLiteral(", ")));
        if (!m_ohlaseneDuplicity.contains(subory.join(u'\n')))
            riadky.append(riadok);
        m_ohlaseneDuplicity.insert(subory.join(u'\n'));
    }
    if (!riadky.isEmpty())
        spravy().upozornenie(QStringLiteral("Viac súborov nesie to isté číslo záznamu:\n") + riadky.join(u'\n') +
                             QStringLiteral("\nZobrazia sa všetky a každý záznam sa ukladá do svojho súboru."));
}

bool Zurnal::NacitajZaznam(int cislo, int rok) { return nacitajZo(SuborZaznamu(cislo, rok)); }

bool Zurnal::NacitajZaznam(const TZnalKevrotZaznam& zaznam) { return nacitajZo(CestaZaznamu(zaznam)); }

bool Zurnal::NacitajZaznam(const RiadokKevrota& riadok) { return nacitajZo(CestaZaznamu(riadok)); }

void Zurnal::doplnSadzbuDPH(TZnalKevrotZaznam& z)
{
    if (z.SadzbaDPH == 0.0)
        z.SadzbaDPH = SadzbaDPHKDatumu(z.DatumVykonania, z.DatumVykonania < DatumPrechoduDPH() ? 19.0 : 20.0);
}

bool Zurnal::CitajSuborZaznamu(const QString& cesta, ObsahZaznamu& obsah)
{
    const auto data = Subory::citaj(cesta);
    if (!data) {
        obsah = {};
        return false;
    }
    return RozoberSuborZaznamu(cesta, *data, obsah);
}

bool Zurnal::RozoberSuborZaznamu(const QString& cesta, const QByteArray& data, ObsahZaznamu& obsah)
{
    obsah = {};
    const bool ok = RozoberSubor(data, obsah);
    if (!obsah.zaznam.obraz.prazdny()) {
        doplnSadzbuDPH(obsah.zaznam);
        obsah.zaznam.Subor = cesta;
    }
    return ok;
}

std::optional<TZnalKevrotZaznam> Zurnal::NacitajCelyZaznam(int index)
{
    if (index < 0 || index >= ZaznamyKevrota.size())
        return std::nullopt;
    const QString cesta = CestaZaznamu(ZaznamyKevrota.at(index));
    ObsahZaznamu obsah;
    const bool ok = CitajSuborZaznamu(cesta, obsah);
    VydavkyZaznamu = std::move(obsah.vydavky);
    VyplateniaZaznamu = std::move(obsah.vyplatenia);
    if (!ok) {
        ohlasProblem(cesta);
        return std::nullopt;
    }
    return std::move(obsah.zaznam);
}

std::optional<TZnalKevrotZaznam> Zurnal::CelyZaznam(int index) const
{
    if (index < 0 || index >= ZaznamyKevrota.size())
        return std::nullopt;
    const QString cesta = CestaZaznamu(ZaznamyKevrota.at(index));
    const auto data = Subory::citaj(cesta);
    qsizetype p = 0;
    auto z = data ? CitajZaznam(*data, p) : std::nullopt;
    if (!z) {
        ohlasProblem(cesta);
        return std::nullopt;
    }
    doplnSadzbuDPH(*z);
    z->Subor = cesta;
    return z;
}

bool Zurnal::nacitajZo(const QString& cesta)
{
    const auto data = Subory::citaj(cesta);
    ObsahZaznamu obsah;
    const bool ok = data && RozoberSubor(*data, obsah);
    VydavkyZaznamu = std::move(obsah.vydavky);
    VyplateniaZaznamu = std::move(obsah.vyplatenia);
    if (!ok)
        ohlasProblem(cesta);
    return ok;
}

TZnalKevrotZaznam Zurnal::zlucenySoSuborom(const TZnalKevrotZaznam& zaznam, const std::optional<QByteArray>& data)
{
    qsizetype p = 0;
    const auto stary = data ? CitajZaznam(*data, p) : std::nullopt;
    TZnalKevrotZaznam z = zaznam;
    if (stary)
        z.obraz = stary->obraz;
    return z;
}

void Zurnal::prevezmiZapisany(const TZnalKevrotZaznam& zapisany, const QString& cesta, int index)
{
    // The row as a load of the file gives it.
    RiadokKevrota r = RiadokKevrota::zObrazu(zapisany.obrazNaZapis().constData());
    r.nastavSubor(cesta);
    if (index < 0 || index >= ZaznamyKevrota.size())
        ZaznamyKevrota.append(std::move(r));
    else
        ZaznamyKevrota[index] = std::move(r);
}

Vysledok Zurnal::UlozZaznam(const TZnalKevrotZaznam& zaznam, int index, bool ajDokumenty)
{
    if (index >= ZaznamyKevrota.size())
        return Vysledok::chyba({});
    const int cislo = zaznam.PoradoveCislo, rok = zaznam.Rok;
    const QString adresar = Cesty::adresarRoka(rok);
    if (!Cesty::vytvorJednuUroven(adresar))
        return Vysledok::chyba(textNepodariloVytvoritAdresar(adresar));
    const QString cesta = cestaNaZapis(cislo, rok, index);
    const bool svojSubor = index >= 0 && cesta == CestaZaznamu(ZaznamyKevrota.at(index));
    const auto data = QFileInfo::exists(cesta) ? Subory::citaj(cesta) : std::nullopt;
    TZnalKevrotZaznam z = svojSubor ? zlucenySoSuborom(zaznam, data) : zaznam;
    z.Verzia = TZnalKevrotZaznam::VerziaAktualna;
    z.PocetVyplateni = qint32(VyplateniaZaznamu.size());
    QByteArray obsah = ObsahSuboru(z, VydavkyZaznamu, VyplateniaZaznamu);
    // What the old file holds past its counted records is not ours to drop.
    ObsahZaznamu stary;
    qsizetype koniec = 0;
    if (data && RozoberSubor(*data, stary, &koniec))
        obsah.append(data->constData() + koniec, data->size() - koniec);
    if (const Vysledok v = Subory::ulozAtomicky(cesta, obsah); !v)
        return Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
    prevezmiZapisany(z, cesta, index);
    if (ajDokumenty) {
        const QString dokumenty = cesta.chopped(4);
        Cesty::vytvorJednuUroven(dokumenty);
        const QDir tmp(Cesty::tmpDoc());
        for (const auto& d : DokumentyZaznamu())
            if (QFileInfo::exists(tmp.filePath(d)))  // the entry is saved; a document that is not is told
                ohlas(Subory::kopirujPrepis(tmp.filePath(d), dokumenty + u'/' + d));
    }
    return {};
}

QByteArray Zurnal::sNovouHlavickou(const TZnalKevrotZaznam& zaznam, const QByteArray& data,
                                   qsizetype koniecZaznamu)
{
    QByteArray b = zaznam.obrazNaZapis();
    b.append(data.constData() + koniecZaznamu, data.size() - koniecZaznamu);
    return b;
}

Vysledok Zurnal::UlozHlavicku(const TZnalKevrotZaznam& zaznam, int index)
{
    if (index < 0 || index >= ZaznamyKevrota.size())
        return Vysledok::chyba({});
    const QString cesta = cestaNaZapis(zaznam.PoradoveCislo, zaznam.Rok, index);
    const auto data = Subory::citaj(cesta);
    qsizetype koniec = 0;
    if (!data || !CitajZaznam(*data, koniec))
        return Vysledok::chyba(textProblemSoSuborom(cesta));
    TZnalKevrotZaznam z = cesta == CestaZaznamu(ZaznamyKevrota.at(index)) ? zlucenySoSuborom(zaznam, data) : zaznam;
    z.Verzia = TZnalKevrotZaznam::VerziaAktualna;
    // The payments that follow are counted by the record: keep the count the file holds.
    ObsahZaznamu stary;
    if (RozoberSubor(*data, stary))
        z.PocetVyplateni = stary.zaznam.PocetVyplateni;
    if (const Vysledok v = Subory::ulozAtomicky(cesta, sNovouHlavickou(z, *data, koniec)); !v)
        return Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
    prevezmiZapisany(z, cesta, index);
    return {};
}

bool Zurnal::ZmazZaznam(int cislo, int rok) { return zmaz(SuborZaznamu(cislo, rok)); }

bool Zurnal::ZmazZaznam(const TZnalKevrotZaznam& zaznam) { return zmaz(CestaZaznamu(zaznam)); }

bool Zurnal::ZmazZaznam(const RiadokKevrota& riadok) { return zmaz(CestaZaznamu(riadok)); }

bool Zurnal::zmaz(const QString& cesta)
{
    if (!QFileInfo::exists(cesta))
        return true;
    return QFile::remove(cesta);
}

int Zurnal::DalsieCislo() const
{
    qint32 najvacsie = 0;
    for (const auto& z : ZaznamyKevrota)
        najvacsie = std::max(najvacsie, z.PoradoveCislo);
    return najvacsie + 1;
}

void Zurnal::ZoradPodlaCisla()
{
    // Keys "<number padded to 4 digits>|<position>" sorted as text, built in place.
    struct Kluc {
        std::array<char, 24> text;  // '-', 10 digits, '|', 10 digits at most
        quint8 dlzka;
        int pozicia;
        std::string_view pohlad() const { return {text.data(), dlzka}; }
    };
    std::vector<Kluc> kluce(size_t(ZaznamyKevrota.size()));
    for (int i = 0; i < ZaznamyKevrota.size(); ++i) {
        const qint32 c = ZaznamyKevrota.at(i).PoradoveCislo;
        Kluc& k = kluce[size_t(i)];
        char* z = k.text.data();
        char* const koniec = z + k.text.size();
        if (c < 0)
            *z++ = '-';
        char cislice[16];
        const char* poCisliciach = std::to_chars(cislice, cislice + sizeof cislice, std::abs(qint64(c))).ptr;
        for (auto n = poCisliciach - cislice; n < (c < 0 ? 3 : 4); ++n)
            *z++ = '0';
        z = std::copy(static_cast<const char*>(cislice), poCisliciach, z);
        *z++ = '|';
        z = std::to_chars(z, koniec, i).ptr;
        k.dlzka = quint8(z - k.text.data());
        k.pozicia = i;
    }
    std::sort(kluce.begin(), kluce.end(), [](const Kluc& a, const Kluc& b) { return a.pohlad() < b.pohlad(); });
    QList<RiadokKevrota> zoradene;
    zoradene.reserve(ZaznamyKevrota.size());
    for (const auto& k : kluce)
        zoradene.append(std::move(ZaznamyKevrota[k.pozicia]));
    ZaznamyKevrota = std::move(zoradene);
}

void Zurnal::PripravPracovnyAdresar()
{
    const QString tmp = Cesty::tmpDoc();
    Cesty::vytvorJednuUroven(tmp);
    const QDir d(tmp);
    for (const auto& s : PracovneDokumenty())
        if (QFileInfo::exists(d.filePath(s)))
            QFile::remove(d.filePath(s));
}

void Zurnal::NacitajDokumenty(int cislo, int rok) { nacitajDokumentyZ(AdresarDokumentov(cislo, rok)); }

void Zurnal::NacitajDokumenty(const TZnalKevrotZaznam& zaznam) { nacitajDokumentyZ(AdresarDokumentov(zaznam)); }

void Zurnal::NacitajDokumenty(const RiadokKevrota& riadok) { nacitajDokumentyZ(AdresarDokumentov(riadok)); }

void Zurnal::nacitajDokumentyZ(const QString& adresar)
{
    PripravPracovnyAdresar();
    const QDir zdroj(adresar);
    const QDir tmp(Cesty::tmpDoc());
    for (const auto& s : DokumentyZaznamu())
        if (QFileInfo::exists(zdroj.filePath(s)))
            ohlas(Subory::kopirujPrepis(zdroj.filePath(s), tmp.filePath(s)));
}

void Zurnal::NacitajUlozeneVyuctovania(int rok)
{
    const QStringList subory = suboryRoka(rok);
    prevezmiVyuctovania(subory, citajSubory(subory, true));
    m_rokVyuctovani = rok;
}

const QList<TCiselnikVydavok>& Zurnal::UlozeneVyuctovaniaRoka(int rok)
{
    if (m_rokVyuctovani != rok)
        NacitajUlozeneVyuctovania(rok);
    return UlozeneVyuctovania;
}

void Zurnal::NacitajKevrot(int rok)
{
    NacitajRok(rok);
    ZabudniUlozeneVyuctovania();
}

Vysledok Zurnal::KopirujZaznam(int cislo, int rok, int noveCislo) { return kopiruj(SuborZaznamu(cislo, rok), rok, noveCislo); }

Vysledok Zurnal::KopirujZaznam(const RiadokKevrota& riadok, int noveCislo)
{
    return kopiruj(CestaZaznamu(riadok), riadok.Rok, noveCislo);
}

Vysledok Zurnal::kopiruj(const QString& zdroj, int rok, int noveCislo)
{
    const auto data = Subory::citaj(zdroj);
    qsizetype koniec = 0;
    std::optional<TZnalKevrotZaznam> z;
    if (data)
        z = CitajZaznam(*data, koniec);
    if (!z)
        return Vysledok::chyba(textProblemSoSuborom(zdroj));
    z->PoradoveCislo = noveCislo;
    // The record now takes its current size, whatever layout it was read in.
    z->Verzia = TZnalKevrotZaznam::VerziaAktualna;
    const QString ciel = SuborZaznamu(noveCislo, rok);
    if (const Vysledok v = Subory::ulozAtomicky(ciel, sNovouHlavickou(*z, *data, koniec)); !v)
        return Vysledok::chyba(Subory::textChybaZapisu(ciel, v.dovod()));
    return {};
}
