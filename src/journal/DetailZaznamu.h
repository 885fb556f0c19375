#pragma once
// The detail panel of the journal register: label and text of each line for one entry.

#include <QList>
#include <QPair>
#include <QString>

class RiadokKevrota;

QList<QPair<QString, QString>> DetailZaznamu(const RiadokKevrota& z);
