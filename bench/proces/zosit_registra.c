/* The plain C yardstick of the register workbook: libxlsxwriter writing the same sheets,
 * cells, merges, widths, heights and formats as the program's register export, from a
 * tab-separated file of the cells (one entry a line: number/year, requester, date
 * requested, date performed, subject, fee, fee details, expenses, fee granted, expenses
 * granted, payment dates, note). */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xlsxwriter.h>

enum { STLPCOV = 10, NA_STRANU = 10, POLI = 12 };

static const double relativne[STLPCOV] = {1, 3, 4.0 / 3, 3, 1, 3, 1, 2, 2, 2};
static const int centrovane[STLPCOV] = {1, 0, 1, 0, 1, 1, 1, 1, 1, 1};
static const char* const hlavicky[STLPCOV] = {
    "Por. čís- lo/rok",
    "Zadávateľ úkonu (štátny orgán, právnická osoba alebo fyzická osoba)",
    "Dátum vyžiadania",
    "Predmet úkonu (účel) a objekt úkonu",
    "Účtovaná odmena",
    "Údaje k účtovanej odmene",
    "Účtované výdavky",
    "Výška priznanej odmeny",
    "Dátum vyplatenia",
    "Poznámka",
};

enum { TEXT, SUMA, DATUM, CISLO, TEXTOVY };
static lxw_format* formaty[2][2][5];
static lxw_workbook* zosit;

static lxw_format* format(int tucne, int centr, int druh)
{
    lxw_format** f = &formaty[tucne][centr][druh];
    if (*f)
        return *f;
    *f = workbook_add_format(zosit);
    format_set_font_name(*f, "Arial");
    format_set_font_size(*f, 10);
    if (tucne)
        format_set_bold(*f);
    format_set_align(*f, centr ? LXW_ALIGN_CENTER : LXW_ALIGN_LEFT);
    format_set_align(*f, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(*f);
    format_set_border(*f, LXW_BORDER_THIN);
    if (druh == SUMA)
        format_set_num_format(*f, "#,##0.00\\ \"€\"");
    else if (druh == DATUM)
        format_set_num_format(*f, "d.m.yyyy");
    else if (druh == TEXTOVY)
        format_set_num_format(*f, "@");
    return *f;
}

static void zlucene(lxw_worksheet* h, int r, int s, const char* text, lxw_format* f)
{
    worksheet_merge_range(h, r, s, r + 1, s, "", f);
    if (*text)
        worksheet_write_string(h, r, s, text, f);
    else
        worksheet_write_blank(h, r, s, f);
}

static lxw_worksheet* harok(int strana, double sirkaSumy)
{
    char nazov[32];
    snprintf(nazov, sizeof nazov, "%d. strana", strana);
    lxw_worksheet* h = workbook_add_worksheet(zosit, nazov);
    worksheet_set_paper(h, 9);
    worksheet_set_landscape(h);
    worksheet_fit_to_pages(h, 1, 0);
    worksheet_repeat_rows(h, 0, 2);
    for (int s = 0; s < STLPCOV; ++s) {
        double sirka = 8.43 * relativne[s];
        if ((s == 4 || s == 6 || s == 7) && sirkaSumy + 1 > sirka)
            sirka = sirkaSumy + 1;
        worksheet_set_column(h, s, s, sirka, NULL);
        worksheet_write_number(h, 0, s, s + 1, format(0, 1, CISLO));
        if (s == 2 || s == 7) {
            worksheet_write_string(h, 1, s, hlavicky[s], format(1, 1, TEXT));
            worksheet_write_string(h, 2, s, s == 2 ? "Dátum vykonania" : "Výška náhrady výdavkov", format(1, 1, TEXT));
        } else {
            zlucene(h, 1, s, hlavicky[s], format(1, 1, TEXT));
        }
    }
    for (int r = 3; r < 3 + 2 * NA_STRANU; ++r)
        worksheet_set_row(h, r, 16, NULL);
    return h;
}

static void cislo(lxw_worksheet* h, int r, int s, const char* t, int druh)
{
    double v = strtod(t, NULL);
    if (druh == DATUM && v == 0.0)
        worksheet_write_blank(h, r, s, format(0, 1, DATUM));
    else
        worksheet_write_number(h, r, s, v, format(0, 1, druh));
}

static int dlzkaSumy(double v)
{
    char b[64];
    return snprintf(b, sizeof b, "%.2f", v) + (v >= 1000 || v <= -1000 ? 4 : 2);
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s CELLS.tsv OUT.xlsx\n", argv[0]);
        return 2;
    }
    FILE* vstup = fopen(argv[1], "rb");
    if (!vstup)
        return 1;
    size_t kapacita = 0, pocet = 0;
    char** riadky = NULL;
    char* riadok = NULL;
    size_t dlzka = 0;
    double sirkaSumy = 0;
    while (getline(&riadok, &dlzka, vstup) > 0) {
        if (pocet == kapacita)
            riadky = realloc(riadky, (kapacita = kapacita ? 2 * kapacita : 1024) * sizeof *riadky);
        riadky[pocet++] = strdup(riadok);
    }
    fclose(vstup);
    char*** polia = malloc(pocet * sizeof *polia);
    for (size_t i = 0; i < pocet; ++i) {
        polia[i] = malloc(POLI * sizeof(char*));
        char* p = riadky[i];
        for (int k = 0; k < POLI; ++k) {
            polia[i][k] = p;
            p += strcspn(p, "\t\n");
            if (*p)
                *p++ = 0;
        }
        for (int k = 5; k <= 9; ++k)
            if (k != 6) {
                int d = dlzkaSumy(strtod(polia[i][k], NULL));
                if (d > sirkaSumy)
                    sirkaSumy = d;
            }
    }
    zosit = workbook_new(argv[2]);
    lxw_worksheet* h = NULL;
    int r = 3;
    for (size_t i = 0; i < pocet; ++i) {
        char** p = polia[i];
        if (i % NA_STRANU == 0) {
            h = harok((int)(i / NA_STRANU) + 1, sirkaSumy);
            r = 3;
        }
        zlucene(h, r, 0, p[0], format(0, 1, TEXTOVY));
        zlucene(h, r, 1, p[1], format(0, 0, TEXT));
        cislo(h, r, 2, p[2], DATUM);
        cislo(h, r + 1, 2, p[3], DATUM);
        zlucene(h, r, 3, p[4], format(0, 0, TEXT));
        worksheet_merge_range(h, r, 4, r + 1, 4, "", format(0, 1, SUMA));
        cislo(h, r, 4, p[5], SUMA);
        zlucene(h, r, 5, p[6], format(0, 1, TEXT));
        worksheet_merge_range(h, r, 6, r + 1, 6, "", format(0, 1, SUMA));
        cislo(h, r, 6, p[7], SUMA);
        cislo(h, r, 7, p[8], SUMA);
        cislo(h, r + 1, 7, p[9], SUMA);
        zlucene(h, r, 8, p[10], format(0, 1, TEXT));
        zlucene(h, r, 9, p[11], format(0, 1, TEXT));
        r += 2;
    }
    return workbook_close(zosit) == LXW_NO_ERROR ? 0 : 1;
}
