#pragma once

#include <QString>
#include <QStringList>

// Every text the program's control catalogues show, one per line, as the reviewed copy
// beside the catalogue test holds it: for each catalogue of the registry, each control's
// caption, name, description and usage lines and its links' texts.
namespace CatalogueTexts {

// The lines of the reviewed copy as the catalogues are now, its heading included.
QStringList render();

// A readable account of where `actual` departs from `expected` (the differing block
// with a little context, "-" before expected lines and "+" before actual ones); empty
// when they are the same.
QString difference(const QStringList& expected, const QStringList& actual);

} // namespace CatalogueTexts
