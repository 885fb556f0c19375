#pragma once
// The detail panel of the journal register: label and text of each line for one entry.

#include <QList>
#include <QPair>
#include <QString>

struct TZnalKevrotZaznam;

QList<QPair<QString, QString>> DetailZaznamu(const TZnalKevrotZaznam& z);
