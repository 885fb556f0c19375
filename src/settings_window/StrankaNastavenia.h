#pragma once
// A tab of the settings window: it shows its part of the values and takes it back. The
// window asks each page in turn; a page that needs the others' values asks the window.

#include <QWidget>

#include "settings/HodnotyNastavenia.h"

class Jazyky;
class OdboryOdvetvia;
class PreddefinovaneTexty;

// The code lists and tables the window edits at once.
struct CiselnikyNastavenia {
    OdboryOdvetvia& odbory;
    Jazyky& jazyky;
    PreddefinovaneTexty& preddefTexty;
};

class StrankaNastavenia : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Fills the controls from the page's part of `h`.
    virtual void nacitaj(const HodnotyNastavenia& h) = 0;
    // Writes what the controls hold into the page's part of `h`; the rest stays.
    virtual void zober(HodnotyNastavenia& h) const = 0;
};

// What the pages ask of their window.
class OknoNastavenia {
public:
    // The values as all pages hold them now.
    virtual HodnotyNastavenia aktualneHodnoty() const = 0;
    // "používať Word na editáciu textov" is offered and checked.
    virtual bool cezWord() const = 0;

protected:
    ~OknoNastavenia() = default;
};
