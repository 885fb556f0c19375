#pragma once
// Editing a rich-text file of the settings window: in the desktop's word processor or in
// the program's template editor.

#include <QString>

#include "widgets/RichEditForm.h"

struct TNastavenia;
class QWidget;

// A word processor is installed (else the built-in editor is used always).
bool JeTextovyProcesor();

// With `word` the file goes to the word processor, a missing one first made as an empty
// text in the basic font; else the template editor opens on it with `titulok` and `panel`.
// True when the template editor was used and has closed (the caller reloads what shows
// the file).
bool UpravSubor(QWidget* rodic, const QString& subor, const QString& titulok, RichEdit::Panel panel,
                const TNastavenia& n, bool word);
