#pragma once

#include <QString>

namespace tesmi {

// A mode's display name as the name of its mode table: Cyrillic letters, the space
// and the hyphen become four-letter Latin codes, everything else stays.
QString EncodeModeName(const QString &name);
// The reverse, rule by rule in the same order; letter case is significant.
QString DecodeModeName(const QString &tableName);
// The results table of a mode: "_" followed by its mode table's name.
QString ResultsTableName(const QString &modeName);

} // namespace tesmi
