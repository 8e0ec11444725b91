#pragma once

#include "resultslistparser.h"

#include <QByteArray>
#include <QList>

// Writes the C++ source that fills the result table: the two functions of
// data/builtinrecords.h, each a straight run of one assignment of constant UTF-16 text per
// element, record by record in the order sfzh, zkzh, xm, cj. The text is u"..."_s static data,
// so filling the table copies no characters and allocates nothing. Every character outside
// printable ASCII is written as a \u escape, so the source compiles the same whatever the
// compiler takes the source character set to be. It expects records that ResultsListParser
// accepted.
QByteArray recordsSource(const QList<ResultRecord> &records, const QString &listName);
