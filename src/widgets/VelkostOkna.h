#pragma once
// Windows that fit small screens: pages that scroll when the window is smaller than they
// are, and a window size bounded by the screen.

#include <QScrollArea>

// A frameless scroll area for one page of a window. It asks for the page's full size, so
// a window opens without scroll bars where the screen allows, yet needs only a little
// room at its minimum.
class SvitokStranky : public QScrollArea {
    Q_OBJECT
public:
    explicit SvitokStranky(QWidget* stranka, QWidget* rodic = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// Resizes a window to `ziadana`, but not beyond the screen's free area less room for the
// window's frame.
void PrisposobObrazovke(QWidget* okno, QSize ziadana);
