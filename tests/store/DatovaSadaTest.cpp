#include "store/DatovaSada.h"

#include <gtest/gtest.h>

TEST(DatovaSada, OnlyTheDataSetsNamesAndShapesBelong)
{
    for (const char* rel : {"nastavenia.dat", "nastavenia_efaktura.txt", "Data/odbory.dat", "Data/ODBORY.DAT",
                            "Data/banky.kvz", "Data/zakon.pdf", "Data/odbory.dat.poskodeny", "ZnalKevrot2024/12-2024.kvd",
                            "ZnalKevrot2024/znalec_kevrot_objednavky.dat", "ZnalKevrot2024/12-2024/posudok.tmpl.rtf",
                            "ZnalKevrot2024/12-2024/fotky.lock", "ZnalKevrot2024/16-2024 Účtovné.kvd", "ZnalKevrot2024/9-2024.KVD", "ZnaleckyKevrot texty/Text vyuctovania/Úkon.rtf"})
        EXPECT_TRUE(DatovaSada::patri(QString::fromUtf8(rel))) << rel;
    for (const char* rel : {"qt.conf", "ZnaleckyKevrot", "kevrot-cli", "Data/zaloha.ini", "Data/libx.so",
                            "ZnalKevrot2024/12-2024/libqxcb.so", "ZnalKevrot2024/12-2024/platforms/x.so.6",
                            "ZnaleckyKevrot texty/qt.conf", "ZnalKevrot2024/poznamky.txt", "ZnalKevrot2024/12-2024/a/b.rtf",
                            "ZNALKEVROT2024/1-2024.kvd", "Data/sub/odbory.dat", "Tmp_doc/faktura.doc", "Zaloha/kevrot-x.zip",
                            "Zostavy/vypis.dot", "ZnalKevrot2024/../nastavenia.dat", "ZnalKevrot2024/1-2024/.x.rtf.AbC123.tmp-kevrot",
                            "ZnaleckyKevrot texty/a/b/c.rtf", ""})
        EXPECT_FALSE(DatovaSada::patri(QString::fromUtf8(rel))) << rel;
}
