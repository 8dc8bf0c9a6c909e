// The texts the program shows, in the player's language.
//
// A text is written in English where it is used and marked for Qt's
// translation tools, which find it by one of two forms:
//
//   translate("Status", "reset the solving")              translated here and now
//   QT_TRANSLATE_NOOP("Menu", "&Open...\tCtrl + O")       only marked: a table's
//                                                         text, translated where
//                                                         it is read, with the
//                                                         same context
//
// Until the desktop program installs its catalogue every text stays the
// English one, byte for byte: the command-line tool and the tests never do.
#pragma once

#include <initializer_list>
#include <string>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ga {

// Returns the translation of `text` in `context`, or an empty string when the
// catalogue has none.
using Catalogue = std::string (*)(const char* context, const char* text);

// Installed once at start-up, before the window opens; nullptr takes it away.
void installCatalogue(Catalogue catalogue);

std::string translate(const char* context, const char* text);

// Whether a catalogue is installed: the texts may then be longer than the
// English ones the window's layout was made for.
bool catalogueInstalled();

// `pattern` with %1 ... %9 replaced by `values` in order of their numbers, so
// that a language may put them in another order; "%%" is one "%".
std::string filled(const std::string& pattern, std::initializer_list<std::string> values);

}  // namespace ga
