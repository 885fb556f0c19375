// The two forms of the streamed form format: reading, writing, and refusing damaged input.

#include "reports/DfmStrom.h"

#include <gtest/gtest.h>

namespace {

// One band with a label on it, in the binary form (197 bytes).
QByteArray prikladBinarny()
{
    return QByteArray::fromHex(
        "54504630"
        "065446 6f726d31" "05466f726d31"
        "0743617074696f6e" "06075a6f7374617661" "00"
        "0774416c42616e64" "0542616e6431"
        "03546f70" "0228"
        "055769647468" "03bc02"
        "06486569676874" "0218"
        "05436f6c6f72" "0708636c53696c766572"
        "09466f6e742e4e616d65" "0605417269616c"
        "0a466f6e742e5374796c65" "0b06667342 6f6c6400"
        "0842616e6454797065" "070a616c725f44657461696c"
        "00"
        "0854416c4c6162656c" "064c6162656c31"
        "044c6566740208" "03546f700204"
        "0743617074696f6e" "0606c8ed736c6f3a"
        "00" "00" "00" "00");
}

const char* prikladText = R"(object Form1: TForm1
  Caption = 'Zostava'
  object Band1: tAlBand
    Top = 40
    Width = 700
    Height = 24
    Color = clSilver
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    BandType = alr_Detail
    object Label1: TAlLabel
      Left = 8
      Top = 4
      Caption = #268#237'slo:'
    end
  end
end
)";

const DfmHodnota& hodnota(const DfmObjekt& o, const char* meno)
{
    for (const auto& v : o.vlastnosti)
        if (v.meno == QLatin1String(meno))
            return v.hodnota;
    static DfmHodnota prazdna;
    ADD_FAILURE() << "chýba " << meno;
    return prazdna;
}

void porovnajHodnoty(const DfmHodnota& a, const DfmHodnota& b)
{
    ASSERT_EQ(a.typ, b.typ);
    EXPECT_EQ(a.cele, b.cele);
    EXPECT_DOUBLE_EQ(a.desatinne, b.desatinne);
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.binarne, b.binarne);
    EXPECT_EQ(a.mnozina, b.mnozina);
    ASSERT_EQ(a.zoznam.size(), b.zoznam.size());
    for (size_t i = 0; i < a.zoznam.size(); ++i)
        porovnajHodnoty(a.zoznam[i], b.zoznam[i]);
    ASSERT_EQ(a.kolekcia.size(), b.kolekcia.size());
    for (size_t i = 0; i < a.kolekcia.size(); ++i) {
        EXPECT_EQ(a.kolekcia[i].maPoradie, b.kolekcia[i].maPoradie);
        ASSERT_EQ(a.kolekcia[i].vlastnosti.size(), b.kolekcia[i].vlastnosti.size());
        for (size_t j = 0; j < a.kolekcia[i].vlastnosti.size(); ++j)
            porovnajHodnoty(a.kolekcia[i].vlastnosti[j].hodnota, b.kolekcia[i].vlastnosti[j].hodnota);
    }
}

void porovnajStromy(const DfmObjekt& a, const DfmObjekt& b)
{
    EXPECT_EQ(a.trieda, b.trieda);
    EXPECT_EQ(a.meno, b.meno);
    EXPECT_EQ(a.priznaky, b.priznaky);
    ASSERT_EQ(a.vlastnosti.size(), b.vlastnosti.size());
    for (size_t i = 0; i < a.vlastnosti.size(); ++i) {
        EXPECT_EQ(a.vlastnosti[i].meno, b.vlastnosti[i].meno);
        porovnajHodnoty(a.vlastnosti[i].hodnota, b.vlastnosti[i].hodnota);
    }
    ASSERT_EQ(a.deti.size(), b.deti.size());
    for (size_t i = 0; i < a.deti.size(); ++i)
        porovnajStromy(a.deti[i], b.deti[i]);
}

}  // namespace

TEST(DfmStrom, BinarnyPrikladSaPrecita)
{
    const QByteArray b = prikladBinarny();
    ASSERT_EQ(b.size(), 197);
    const DfmObjekt f = Dfm::citajBinarny(b);
    EXPECT_EQ(f.trieda, QString("TForm1"));
    EXPECT_EQ(f.meno, QString("Form1"));
    ASSERT_EQ(f.deti.size(), 1u);
    const DfmObjekt& band = f.deti[0];
    EXPECT_EQ(hodnota(band, "Width").cele, 700);
    EXPECT_EQ(hodnota(band, "Color").text, QString("clSilver"));
    EXPECT_EQ(hodnota(band, "Font.Style").mnozina, QStringList({"fsBold"}));
    ASSERT_EQ(band.deti.size(), 1u);
    EXPECT_EQ(hodnota(band.deti[0], "Caption").text, QString("Číslo:"));
}

TEST(DfmStrom, TextovaABinarnaFormaDajuRovnakyStrom)
{
    const DfmObjekt zBinarnej = Dfm::citaj(prikladBinarny());
    const DfmObjekt zTextu = Dfm::citaj(prikladText);
    porovnajStromy(zBinarnej, zTextu);
    // The writer produces the same bytes, with and without the resource header.
    EXPECT_EQ(Dfm::zapisBinarny(zTextu), prikladBinarny());
    const QByteArray sHlavickou = Dfm::zapisBinarny(zTextu, true);
    EXPECT_EQ(sHlavickou.left(16), QByteArray::fromHex("FF0A0054464F524D3100 3010C5000000"));
    porovnajStromy(Dfm::citaj(sHlavickou), zTextu);
}

TEST(DfmStrom, UnicodoveRetazce)
{
    QByteArray w = prikladBinarny();
    const QByteArray ansi = QByteArray::fromHex("0606c8ed736c6f3a");
    const qsizetype kde = w.indexOf(ansi);
    ASSERT_GT(kde, 0);
    QByteArray utf16 = w;
    utf16.replace(kde, ansi.size(), QByteArray::fromHex("12060000000C01ED0073006C006F003A00"));
    QByteArray utf8 = w;
    utf8.replace(kde, ansi.size(), QByteArray::fromHex("1408000000C48CC3AD736C6F3A"));
    EXPECT_EQ(hodnota(Dfm::citaj(utf16).deti[0].deti[0], "Caption").text, QString("Číslo:"));
    EXPECT_EQ(hodnota(Dfm::citaj(utf8).deti[0].deti[0], "Caption").text, QString("Číslo:"));
}

TEST(DfmStrom, HodnotyVsetkychDruhov)
{
    const QByteArray text = R"(object X: TX
  Tag = -200000
  Ratio = 1.5
  Mala = 2.25s
  Mena = 12.5c
  Farba = $00C0C0C0
  Zaporna = $FFFFFFFF
  Lines.Strings = (
    'a'
    'b')
  Items = <
    item
      Width = 10
    end
    item [2]
      Caption = 'x'#13#10'y'
    end>
  Obj = nil
  Font.Style = []
  Dlhy = 'prvá časť ' +
    'druhá '''
  Data = {0A1B ff}
  Ano = TRUE
end
)";
    const DfmObjekt o = Dfm::citajText(text);
    EXPECT_EQ(hodnota(o, "Tag").cele, -200000);
    EXPECT_DOUBLE_EQ(hodnota(o, "Ratio").desatinne, 1.5);
    EXPECT_EQ(hodnota(o, "Mala").druhDesatinneho, DfmHodnota::Desatinny::Single);
    EXPECT_EQ(hodnota(o, "Mena").druhDesatinneho, DfmHodnota::Desatinny::Currency);
    EXPECT_EQ(hodnota(o, "Farba").cele, 0xC0C0C0);
    EXPECT_EQ(hodnota(o, "Zaporna").cele, -1);
    EXPECT_EQ(hodnota(o, "Lines.Strings").zoznam.size(), 2u);
    ASSERT_EQ(hodnota(o, "Items").kolekcia.size(), 2u);
    EXPECT_TRUE(hodnota(o, "Items").kolekcia[1].maPoradie);
    EXPECT_EQ(hodnota(o, "Items").kolekcia[1].vlastnosti[0].hodnota.text, QString("x\r\ny"));
    EXPECT_EQ(hodnota(o, "Obj").typ, DfmHodnota::Typ::Nil);
    EXPECT_TRUE(hodnota(o, "Font.Style").mnozina.isEmpty());
    EXPECT_EQ(hodnota(o, "Dlhy").text, QString("prvá časť druhá '"));
    EXPECT_EQ(hodnota(o, "Data").binarne, QByteArray::fromHex("0A1BFF"));
    EXPECT_EQ(hodnota(o, "Ano").typ, DfmHodnota::Typ::Pravda);

    // Every kind survives the binary writer and reader, with the encodings of the format.
    const QByteArray b = Dfm::zapisBinarny(o);
    porovnajStromy(Dfm::citajBinarny(b), o);
    EXPECT_TRUE(b.contains(QByteArray::fromHex("03546167" "04C0F2FCFF")));
    EXPECT_TRUE(b.contains(QByteArray::fromHex("05526174696F" "0500000000000000C0FF3F")));
    EXPECT_TRUE(b.contains(QByteArray::fromHex("0A466F6E742E5374796C65" "0B00")));
}

TEST(DfmStrom, ZnakyWin1250VTexte)
{
    // Raw bytes that are not UTF-8 are Windows-1250.
    const QByteArray ansi = "object X: TX\r\n  Caption = '\xC8\xED\x9Aslo'\r\nend\r\n";
    EXPECT_EQ(hodnota(Dfm::citajText(ansi), "Caption").text, QString("Číšslo"));
    const QByteArray utf8 = QString("object X: TX\n  Caption = 'Čo'\nend\n").toUtf8();
    EXPECT_EQ(hodnota(Dfm::citajText(utf8), "Caption").text, QString("Čo"));
    const QByteArray bom = "\xEF\xBB\xBF" + utf8;
    EXPECT_EQ(Dfm::rozpoznaj(bom), Dfm::Forma::Textova);
    EXPECT_EQ(hodnota(Dfm::citaj(bom), "Caption").text, QString("Čo"));
}

TEST(DfmStrom, ZnakNedefinovanyVWin1250IdeDoUtf16)
{
    DfmObjekt o;
    o.trieda = "TX";
    o.vlastnosti.push_back({"Caption", DfmHodnota::retazec(QString::fromUtf8("Ω a €"))});
    const QByteArray b = Dfm::zapisBinarny(o);
    EXPECT_TRUE(b.contains('\x12'));
    EXPECT_EQ(hodnota(Dfm::citajBinarny(b), "Caption").text, QString::fromUtf8("Ω a €"));
}

TEST(DfmStrom, PredponaObjektuSPoziciou)
{
    const QByteArray t = "inherited F: TF\n  inline R: TR [3]\n  end\nend\n";
    const DfmObjekt o = Dfm::citajText(t);
    EXPECT_EQ(o.priznaky, int(DfmObjekt::Zdedeny));
    ASSERT_EQ(o.deti.size(), 1u);
    EXPECT_EQ(o.deti[0].priznaky, DfmObjekt::Vlozeny | DfmObjekt::PoziciaDietata);
    EXPECT_EQ(o.deti[0].pozicia, 3);
    const QByteArray b = Dfm::zapisBinarny(o);
    EXPECT_TRUE(b.startsWith(QByteArray::fromHex("54504630F1025446")));
    EXPECT_TRUE(b.contains(QByteArray::fromHex("F60203025452")));
    porovnajStromy(Dfm::citajBinarny(b), o);
}

TEST(DfmStrom, ExtendedCisla)
{
    const unsigned char jedenAPol[10] = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F};
    EXPECT_DOUBLE_EQ(Dfm::extendedNaDouble(jedenAPol), 1.5);
    for (double v : {0.0, 1.0, -2.5, 1e-300, 123456.789, 3.0e200}) {
        unsigned char b[10];
        Dfm::doubleNaExtended(v, b);
        EXPECT_DOUBLE_EQ(Dfm::extendedNaDouble(b), v);
    }
}

TEST(DfmStrom, KazdeSkratenieBinarnehoSuboruSaOdmietne)
{
    const QByteArray b = Dfm::zapisBinarny(Dfm::citajText(prikladText), true);
    for (qsizetype n = 0; n < b.size(); ++n)
        EXPECT_THROW(Dfm::citaj(b.left(n)), ChybaZostavy) << "dĺžka " << n;
}

TEST(DfmStrom, KazdeSkratenieTextuSaOdmietne)
{
    const QByteArray t(prikladText);
    // Cut anywhere before the last "end" the text is incomplete.
    const qsizetype posledny = t.lastIndexOf("end");
    for (qsizetype n = 0; n < posledny; n += 3)
        EXPECT_THROW(Dfm::citaj(t.left(n)), ChybaZostavy) << "dĺžka " << n;
}

TEST(DfmStrom, NepriatelskeVstupy)
{
    // Wrong signature, unknown value tag, a length past the end, absurd u32 lengths.
    EXPECT_THROW(Dfm::citajBinarny("TPF1"), ChybaZostavy);
    QByteArray b = prikladBinarny();
    b[0x19] = char(0x40);
    EXPECT_THROW(Dfm::citajBinarny(b), ChybaZostavy);
    EXPECT_THROW(Dfm::citajBinarny(QByteArray::fromHex("54504630025458000141 0AFFFFFFFF00")), ChybaZostavy);
    EXPECT_THROW(Dfm::citajBinarny(QByteArray::fromHex("54504630025458000141 12FFFFFF7F")), ChybaZostavy);
    // A name with characters that are not part of a name.
    EXPECT_THROW(Dfm::citajBinarny(QByteArray::fromHex("54504630025420 0000")), ChybaZostavy);
    // Header whose size is absurd: the stream is read to the real end instead.
    QByteArray h = Dfm::zapisBinarny(Dfm::citajText(prikladText), true);
    h[12] = char(0xFF);
    h[15] = char(0x7F);
    EXPECT_NO_THROW(Dfm::citaj(h));
    // Not a layout at all.
    EXPECT_THROW(Dfm::citaj("PK\x03\x04 zip"), ChybaZostavy);
    EXPECT_THROW(Dfm::citajText("object X: TX\n  Caption = 'neukončený\nend\n"), ChybaZostavy);
    EXPECT_THROW(Dfm::citajText("object X: TX\n  Farba = $1234567890ABCDEF12\nend\n"), ChybaZostavy);
    EXPECT_THROW(Dfm::citajText("object X: TX\n  Znak = #99999999\nend\n"), ChybaZostavy);
    EXPECT_THROW(Dfm::citajText("object X: TX\n  Data = {ABC}\nend\n"), ChybaZostavy);
}

TEST(DfmStrom, HlbokeVnorenieSaOdmietneBezPadu)
{
    // Objects nested 100 000 deep, and lists nested as deep.
    QByteArray objekty = "TPF0";
    for (int i = 0; i < 100000; ++i)
        objekty += QByteArray::fromHex("0254580000");
    EXPECT_THROW(Dfm::citajBinarny(objekty), ChybaZostavy);
    QByteArray zoznamy = QByteArray::fromHex("5450463002545800 0141");
    zoznamy += QByteArray(100000, '\x01');
    EXPECT_THROW(Dfm::citajBinarny(zoznamy), ChybaZostavy);
    QByteArray text = "object X: TX\n  A = ";
    text += QByteArray(100000, '(');
    EXPECT_THROW(Dfm::citajText(text), ChybaZostavy);
    QByteArray textObjekty;
    for (int i = 0; i < 10000; ++i)
        textObjekty += "object X: TX\n";
    EXPECT_THROW(Dfm::citajText(textObjekty), ChybaZostavy);
}

TEST(DfmStrom, SuborZdrojov32)
{
    const QByteArray tpf0 = prikladBinarny();
    QByteArray res = QByteArray::fromHex("0000000020000000FFFF0000FFFF0000" "00000000000000000000000000000000");
    // One entry: type RT_RCDATA by number, name "F", data the stream.
    QByteArray hlavicka;
    auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    QByteArray typMeno = QByteArray::fromHex("FFFF0A00") + QByteArray::fromHex("46000000");
    hlavicka = u32(quint32(tpf0.size())) + u32(quint32(8 + typMeno.size() + 16)) + typMeno + QByteArray(16, '\0');
    res += hlavicka + tpf0;
    EXPECT_EQ(Dfm::rozpoznaj(res), Dfm::Forma::Binarna);
    porovnajStromy(Dfm::citaj(res), Dfm::citaj(tpf0));
}
