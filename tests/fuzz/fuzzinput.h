#pragma once

// The shape of one fuzz input, shared by the fuzz target and the writer of
// its starting corpus.
//
// An input is a scenario file, optionally followed by island template files:
//
//   scenario bytes [ Separator selector template-bytes ]...
//
// The byte after each separator selects the file the following bytes are:
// TextFileSelector the game's text file "Text.cod", RegistrySelector the
// registry of a Wine prefix (its first line a file name to look up in the
// game folder), any other byte the template file (selector modulo
// TemplateCount) whose content they replace for this input. Every template
// file not named keeps its default content, so the same input always meets
// the same game folder.

#include "core/islands/insel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <iterator>

namespace fuzzinput {

inline constexpr QByteArrayView Separator("@@SCP@@");
inline constexpr char TextFileSelector = char(0xFE);
inline constexpr char RegistrySelector = char(0xFF);

// Template numbers present in the fuzz game folder for every climate, size
// class and native variant: none (65535), 1, and 7.
inline constexpr int TemplateNumbers[] = {0xFFFF, 1, 7};
inline constexpr int NumbersPerVariant = int(std::size(TemplateNumbers));
inline constexpr int TemplateCount = Insel::Climates * Insel::SizeClasses * 2 * NumbersPerVariant;

struct Template {
    int climate;
    int sizeClass;
    bool native;
    int number;
};

// The properties of template `index` (0 .. TemplateCount-1).
inline Template templateAt(int index)
{
    Template t;
    t.number = TemplateNumbers[index % NumbersPerVariant];
    index /= NumbersPerVariant;
    t.native = index % 2;
    index /= 2;
    t.sizeClass = index % Insel::SizeClasses;
    t.climate = index / Insel::SizeClasses;
    return t;
}

// Its file name below the game folder, with "/" between the parts.
inline QString templateName(int index)
{
    const Template t = templateAt(index);
    return Insel::templateFile(t.climate, t.sizeClass, t.native, t.number).replace(u'\\', u'/');
}

// The selector byte that names the template of these properties.
inline char selectorOf(int climate, int size, bool native, int numberIndex)
{
    return char(((climate * Insel::SizeClasses + size) * 2 + (native ? 1 : 0)) * NumbersPerVariant +
                numberIndex);
}

} // namespace fuzzinput
