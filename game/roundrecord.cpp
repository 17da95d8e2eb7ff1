#include "roundrecord.h"

#include "points.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

void RoundRecorder::start(const RoundStart& start) {
    m_record = {};
    m_record.playedAt = start.playedAt;
    m_record.utcOffset = start.utcOffset;
    m_record.numbers = start.numbers;
    std::sort(m_record.numbers.begin(), m_record.numbers.end(), std::greater<>());
    m_record.target = start.target;
    m_record.roundSeconds = start.roundSeconds;
    m_record.manual = start.manual;
    m_active = true;
    m_finished = false;
    m_pending = false;
}

bool RoundRecorder::changed() {
    m_pending = true;
    return true;
}

bool RoundRecorder::finish(int secondsUsed) {
    if (!m_active || m_finished)
        return false;
    m_finished = true;
    m_record.secondsUsed = std::max(secondsUsed, 0);
    return changed();
}

bool RoundRecorder::checked(std::int32_t value) {
    if (!m_active)
        return false;
    const std::int64_t distance =
        std::abs(static_cast<std::int64_t>(value) - static_cast<std::int64_t>(m_record.target));
    if (m_record.distance && *m_record.distance <= distance)
        return false;
    m_record.best = value;
    m_record.distance = distance;
    m_record.points = RoundPoints(distance);
    return changed();
}

bool RoundRecorder::searchKnown(int exactCount, std::optional<std::int32_t> nearest) {
    if (!m_active || exactCount < 0)
        return false;
    const std::optional<std::int32_t> known = exactCount > 0 ? m_record.target : nearest;
    if (m_record.exactCount == exactCount && m_record.nearest == known)
        return false;
    m_record.exactCount = exactCount;
    m_record.nearest = known;
    return changed();
}

void RoundRecorder::stored(std::int64_t id) {
    if (!m_active)
        return;
    m_record.id = id;
    m_pending = false;
}
