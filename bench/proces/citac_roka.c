/* The plain C yardstick of the year load: lists a year folder with readdir and reads every
 * entry file (".kvd") with open/read into one buffer per thread, on 2 threads.
 * Prints the number of files and bytes read. */
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { VLAKIEN = 2 };

struct Praca {
    int adresar;
    char** mena;
    size_t od, po;
    unsigned long long bajtov;
};

static void* citaj(void* arg)
{
    struct Praca* p = arg;
    size_t kapacita = 1 << 16;
    char* buf = malloc(kapacita);
    for (size_t i = p->od; i < p->po; ++i) {
        int fd = openat(p->adresar, p->mena[i], O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        ssize_t n;
        while ((n = read(fd, buf, kapacita)) > 0)
            p->bajtov += (unsigned long long)n;
        close(fd);
    }
    free(buf);
    return NULL;
}

static int jeZaznam(const char* m)
{
    size_t n = strlen(m);
    return n > 4 && strcmp(m + n - 4, ".kvd") == 0;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s YEAR_FOLDER\n", argv[0]);
        return 2;
    }
    DIR* d = opendir(argv[1]);
    if (!d)
        return 1;
    size_t pocet = 0, kapacita = 1024;
    char** mena = malloc(kapacita * sizeof *mena);
    struct dirent* e;
    while ((e = readdir(d)) != NULL) {
        if (!jeZaznam(e->d_name))
            continue;
        if (pocet == kapacita)
            mena = realloc(mena, (kapacita *= 2) * sizeof *mena);
        mena[pocet++] = strdup(e->d_name);
    }
    struct Praca prace[VLAKIEN];
    pthread_t vlakna[VLAKIEN];
    for (int t = 0; t < VLAKIEN; ++t) {
        prace[t] = (struct Praca){dirfd(d), mena, pocet * t / VLAKIEN, pocet * (t + 1) / VLAKIEN, 0};
        pthread_create(&vlakna[t], NULL, citaj, &prace[t]);
    }
    unsigned long long spolu = 0;
    for (int t = 0; t < VLAKIEN; ++t) {
        pthread_join(vlakna[t], NULL);
        spolu += prace[t].bajtov;
    }
    printf("%zu %llu\n", pocet, spolu);
    closedir(d);
    return 0;
}
