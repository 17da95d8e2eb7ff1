#pragma once

#include "roundrecord.h"

#include <QString>
#include <optional>
#include <vector>

// The round's time as it was where it was played: "2024-05-01 14:03".
QString playedText(const RoundRecord& round);
// The same with seconds and the offset, ISO 8601: "2024-05-01T14:03:20+02:00".
QString playedIsoText(const RoundRecord& round);
// "100 75 50 25 6 3".
QString numbersText(const RoundRecord& round);
// A number, or `unknown` when there is none.
template <typename T> QString optionalText(const std::optional<T>& value, const QString& unknown) {
    return value ? QString::number(*value) : unknown;
}

// The rounds as CSV (RFC 4180, CRLF line ends): a header line, then one line per round in
// the order given. Unknown values are empty fields.
QString historyCsv(const std::vector<RoundRecord>& rounds);
