#include "NastaveniaZaznamy.h"

const Rozlozenie<TNastavenia>& TNastavenia::rozlozenie()
{
    using T = TNastavenia;
    static const Rozlozenie<T> r = {
        retazec<T>(0, 200, "Meno", &T::Meno),
        retazec<T>(201, 200, "Priezvisko", &T::Priezvisko),
        rezerva<T>(402, 3620),
        retazec<T>(4022, 200, "BasicFontName", &T::BasicFontName),
        vypln<T>(4223, 1),
        int32<T>(4224, "BasicFontSize", &T::BasicFontSize),
        retazce<T>(4228, 5, 200, "StaryCestak", &T::StaryCestak),
        boolean<T>(5233, "PlatcaDPH", &T::PlatcaDPH),
        rezerva<T>(5234, 10),
        int32<T>(5244, "PataZakladnymPismom", &T::PataZakladnymPismom),
        rezerva<T>(5248, 4),
        retazec<T>(5252, 200, "TableFontName", &T::TableFontName),
        vypln<T>(5453, 3),
        int32<T>(5456, "TableFontSize", &T::TableFontSize),
        retazec<T>(5460, 200, "TitleFontName", &T::TitleFontName),
        vypln<T>(5661, 3),
        int32<T>(5664, "TitleFontSize", &T::TitleFontSize),
        word16<T>(5668, "TitleFontStyle", &T::TitleFontStyle),
        rezerva<T>(5670, 199),
        boolean<T>(5869, "TitleFontStyleBold", &T::TitleFontStyleBold),
        boolean<T>(5870, "TitleFontStyleItalic", &T::TitleFontStyleItalic),
        rezerva<T>(5871, 9),
        retazec<T>(5880, 200, "Adresa", &T::Adresa),
        rezerva<T>(6081, 201),
        retazec<T>(6282, 200, "TitulPred", &T::TitulPred),
        retazec<T>(6483, 200, "TitulZa", &T::TitulZa),
        retazec<T>(6684, 200, "Mesto", &T::Mesto),
        retazec<T>(6885, 200, "Odbory", &T::Odbory),
        retazec<T>(7086, 200, "Odvetvia", &T::Odvetvia),
        retazec<T>(7287, 200, "NajpouzivanejsiOdbor", &T::NajpouzivanejsiOdbor),
        retazec<T>(7488, 200, "Banka", &T::Banka),
        retazec<T>(7689, 200, "CisloUctu", &T::CisloUctu),
        vypln<T>(7890, 2),
        rezerva<T>(7892, 4),
        int32<T>(7896, "Splatnost", &T::Splatnost),
        retazec<T>(7900, 10, "PSC", &T::PSC),
        retazec<T>(7911, 10, "EC", &T::EC),
        retazec<T>(7922, 10, "ICO", &T::ICO),
        retazec<T>(7933, 10, "DIC", &T::DIC),
        retazec<T>(7944, 15, "ICDPH", &T::ICDPH),
        dbl<T>(7960, "SadzbaDPH", &T::SadzbaDPH),
        int32<T>(7968, "CestakBezDPH", &T::CestakBezDPH),
        retazec<T>(7972, 255, "TextVyuctovania", &T::TextVyuctovania),
        retazec<T>(8228, 255, "TextVyuctovaniaCiastka", &T::TextVyuctovaniaCiastka),
        rezerva<T>(8484, 204),
        int32<T>(8688, "Druh", &T::Druh),
    };
    return r;
}

const Rozlozenie<TNastavenieTlac>& TNastavenieTlac::rozlozenie()
{
    using T = TNastavenieTlac;
    static const Rozlozenie<T> r = {
        int32<T>(0, "KevrotCislo", &T::KevrotCislo),
        retazec<T>(4, 100, "KevrotVymenovanie", &T::KevrotVymenovanie),
        retazec<T>(105, 10, "KevrotVymenovanieDna", &T::KevrotVymenovanieDna),
        retazec<T>(116, 100, "KevrotVymenovanieCislo", &T::KevrotVymenovanieCislo),
        vypln<T>(217, 3),
    };
    return r;
}

const Rozlozenie<TNastavenieHlavicka>& TNastavenieHlavicka::rozlozenie()
{
    using T = TNastavenieHlavicka;
    static const Rozlozenie<T> r = {
        retazec<T>(0, 200, "HlavickaText", &T::HlavickaText),
        rezerva<T>(201, 201),
    };
    return r;
}

const Rozlozenie<TNastavenieManazer>& TNastavenieManazer::rozlozenie()
{
    using T = TNastavenieManazer;
    static const Rozlozenie<T> r = {
        retazec<T>(0, 200, "StlpceKevrota", &T::StlpceKevrota),
        retazec<T>(201, 200, "StlpceObjednavok", &T::StlpceObjednavok),
    };
    return r;
}

const Rozlozenie<TNastaveniePodielOdmena>& TNastaveniePodielOdmena::rozlozenie()
{
    using T = TNastaveniePodielOdmena;
    static const Rozlozenie<T> r = {
        int32<T>(0, "Verzia", &T::Verzia),
        dbl<T>(4, "SadzbaPozemky", &T::SadzbaPozemky),
    };
    return r;
}

const Rozlozenie<TDualneZobrazovanie>& TDualneZobrazovanie::rozlozenie()
{
    using T = TDualneZobrazovanie;
    static const Rozlozenie<T> r = {
        boolean<T>(0, "DualneZobrazovanie", &T::DualneZobrazovanie),
    };
    return r;
}
