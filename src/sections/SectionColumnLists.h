#pragma once

#include "sections/SectionTable.h"

#include <QChar>
#include <QString>
#include <array>
#include <optional>

// A section table as the project files keep it: eight column lists of trimmed, encoded cell texts,
// each followed by ";", in a field of 255 characters.
namespace sections {

inline constexpr int sectionListCapacity = 255;
inline constexpr int sectionListCount = 8;
using SectionColumnLists = std::array<QString, sectionListCount>;

struct SectionListsEncoding {
    SectionColumnLists lists;
    // When a list does not fit its field: which lists, how long, out of how many characters
    // ("длины участков занимают 300 знаков из 255 возможных").
    std::optional<QString> overflow;
};
SectionListsEncoding encodeSectionLists(const SectionTable& table, QChar decimalSeparator);

// The table of the lists: the length list decides the number of sections; a list that holds items but
// fewer than the length list gives nothing, an empty list leaves its cells empty.
std::optional<SectionTable> decodeSectionLists(const SectionColumnLists& lists, QChar decimalSeparator);

} // namespace sections
