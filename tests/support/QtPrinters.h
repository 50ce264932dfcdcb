#pragma once

#include <QString>
#include <QStringList>

#include <iosfwd>

// How GoogleTest shows Qt's text in a failed expectation: as quoted text, the way it shows a
// std::string, instead of the bytes of each QChar. Found by argument-dependent lookup, so
// they live in the namespace of the types, the global one.
//
// Every translation unit of the test programs must see these before it prints a QString:
// one that did not would instantiate GoogleTest's printer for QString differently, and the
// linker would keep whichever copy it met first. The test CMake file therefore puts this
// header in the precompiled header that every test source is compiled with.
void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QStringList &texts, std::ostream *out);
