#include "PreddefinovaneTexty.h"

#include "store/Cesty.h"
#include "store/Subory.h"

#include <QFileInfo>

namespace {
constexpr int KapacitaTextu = 255;
constexpr int Hlavicka = 4;  // the reserved word before the count
}  // namespace

const Rozlozenie<TPreddefinovanyText>& TPreddefinovanyText::rozlozenie()
{
    using T = TPreddefinovanyText;
    static const Rozlozenie<T> r = {
        int32<T>(0, "Druh", &T::Druh),
        retazec<T>(4, KapacitaTextu, "Text", &T::Text),
        bajt<T>(260, "Rezerva", &T::Rezerva),
        vypln<T>(261, 3),
    };
    return r;
}

QString PreddefinovaneTexty::SuborPreddefTextov()
{
    return Cesty::cesta(QStringLiteral("\\Data\\odmeny_vydavky_preddef_texty.dat"));
}

const QList<HlavickaDruhuPopis>& PreddefinovaneTexty::DruhyHlaviciek()
{
    static const QList<HlavickaDruhuPopis> d = {
        {QStringLiteral("Paušálna odmena"), 2},
        {QStringLiteral("Zmluvná odmena"), 7},
        {QStringLiteral("Tarifná odmena - hodinová odmena"), 1},
        {QStringLiteral("Tarifná odmena - podielová odmena"), 8},
        {QStringLiteral("Náhrada hotových výdavkov - paušálne výdavky"), 4},
        {QStringLiteral("Hotové výdavky"), 6},
        {QStringLiteral("Cestovné náhrady"), DruhCestovneNahrady},
    };
    return d;
}

bool PreddefinovaneTexty::NacitajPreddefTexty()
{
    const QString cesta = SuborPreddefTextov();
    if (nacitajPocitanySubor(cesta, Texty, true, Hlavicka))
        return true;
    // A file shorter than its count gives only the headings it holds.
    const qint64 pritomnych = (QFileInfo(cesta).size() - Hlavicka - 4) / TPreddefinovanyText::VELKOST;
    while (Texty.size() > qMax<qint64>(pritomnych, 0))
        Texty.removeLast();
    return false;
}

Vysledok PreddefinovaneTexty::UlozPreddefTexty() const
{
    return ulozPocitanySubor(SuborPreddefTextov(), Texty, Hlavicka);
}

QString PreddefinovaneTexty::HlavickaDruhu(qint32 druh) const
{
    for (auto it = Texty.crbegin(); it != Texty.crend(); ++it)
        if (it->Druh == druh)
            return it->Text;
    return {};
}

void PreddefinovaneTexty::NastavHlavicky(const QStringList& texty)
{
    QList<TPreddefinovanyText> nove;
    const auto& druhy = DruhyHlaviciek();
    for (qsizetype i = 0; i < druhy.size(); ++i) {
        TPreddefinovanyText t;
        t.Druh = druhy.at(i).druh;
        t.Text = texty.value(i).left(KapacitaTextu);
        t.Rezerva = 0;
        nove.append(t);
    }
    Texty = nove;
}
