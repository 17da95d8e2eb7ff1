#include "historytext.h"

#include <QDateTime>
#include <QStringList>

namespace {

QDateTime playedTime(const RoundRecord& round) {
    return QDateTime::fromSecsSinceEpoch(round.playedAt, Qt::OffsetFromUTC, round.utcOffset);
}

} // namespace

QString playedText(const RoundRecord& round) {
    return playedTime(round).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString playedIsoText(const RoundRecord& round) {
    return playedTime(round).toString(Qt::ISODate);
}

QString numbersText(const RoundRecord& round) {
    QStringList parts;
    for (const std::int32_t n : round.numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

QString historyCsv(const std::vector<RoundRecord>& rounds) {
    QString csv = QStringLiteral("played_at,numbers,target,round_seconds,seconds_used,best,"
                                 "distance,points,exact_answers,nearest,set_by_hand\r\n");
    for (const RoundRecord& r : rounds) {
        // Every field is a number, a time or numbers with blanks: none needs quoting.
        csv += QStringList{playedIsoText(r),
                           numbersText(r),
                           QString::number(r.target),
                           QString::number(r.roundSeconds),
                           QString::number(r.secondsUsed),
                           optionalText(r.best, {}),
                           optionalText(r.distance, {}),
                           QString::number(r.points),
                           optionalText(r.exactCount, {}),
                           optionalText(r.nearest, {}),
                           r.manual ? QStringLiteral("1") : QStringLiteral("0")}
                   .join(QLatin1Char(','));
        csv += QStringLiteral("\r\n");
    }
    return csv;
}
