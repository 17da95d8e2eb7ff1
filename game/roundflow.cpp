#include "roundflow.h"

RoundFlow::RoundFlow(const GameSettings& settings, RandomSource& random)
    : m_settings(settings), m_random(random) {
    m_deal.deal(m_random);
}

int RoundFlow::pick(int index) {
    if (m_phase != Phase::Picking)
        return -1;
    const int slot = m_deal.pick(index);
    if (m_deal.complete())
        m_phase = Phase::Ready;
    return slot;
}

bool RoundFlow::start() {
    if (m_phase != Phase::Ready)
        return false;
    m_phase = Phase::Rolling;
    m_roll.clear();
    m_rolled = 0;
    DrawTarget(m_settings.HighestTarget, m_settings.LowestTarget, m_random,
               [this](std::int16_t value) { m_roll.push_back(value); });
    return true;
}

bool RoundFlow::roll() {
    if (m_phase != Phase::Rolling)
        return false;
    if (m_rolled < m_roll.size()) {
        m_target = m_roll[m_rolled++];
        return true;
    }
    m_roll.clear();
    m_phase = Phase::Running;
    return false;
}

bool RoundFlow::stop() {
    if (m_phase != Phase::Running)
        return false;
    m_phase = Phase::Over;
    return true;
}

RoundFlow::Tick RoundFlow::tick() {
    Tick t;
    if (m_phase != Phase::Running)
        return t;
    const int seconds = m_settings.RoundSeconds;
    // The music lasts thirty ticks; a round shorter than that has none.
    t.startMusic = m_clockCount == seconds - 30 && !m_settings.NoSounds;
    m_clockCount = static_cast<std::int16_t>((m_clockCount + 1) % (seconds + 1));
    m_clockShown = m_clockCount;
    t.shown = m_clockShown;
    if (m_clockCount == seconds) {
        t.timeUp = true;
        m_phase = Phase::Over;
        m_clockCount = 0;
    }
    return t;
}

std::optional<int> RoundFlow::startSearch() {
    const bool again =
        m_phase == Phase::Searched && m_outcome == SearchOutcome::Stopped && !m_manual;
    if (m_phase != Phase::Over && !again)
        return std::nullopt;
    m_phase = Phase::Searching;
    return m_round;
}

bool RoundFlow::requestStop() {
    if (m_phase != Phase::Searching)
        return false;
    m_phase = Phase::Stopping;
    return true;
}

void RoundFlow::searchEnded(int ticket, bool finished) {
    if (!isCurrent(ticket) || (m_phase != Phase::Searching && m_phase != Phase::Stopping))
        return;
    m_phase = Phase::Searched;
    m_outcome = finished ? SearchOutcome::Finished : SearchOutcome::Stopped;
}

bool RoundFlow::canSetUp() const {
    return m_phase != Phase::Rolling && m_phase != Phase::Closed;
}

std::optional<int> RoundFlow::startManualSearch(const std::array<std::int32_t, kSlotCount>& numbers,
                                                std::int32_t target) {
    if (!canSetUp())
        return std::nullopt;
    ++m_round;
    m_deal.setNumbers(numbers);
    m_target = target;
    m_manual = true;
    m_outcome = SearchOutcome::None;
    m_phase = Phase::Searching;
    return m_round;
}

bool RoundFlow::playAgain() {
    if (m_phase != Phase::Over && m_phase != Phase::Stopping && m_phase != Phase::Searched)
        return false;
    ++m_round;
    m_phase = Phase::Picking;
    m_clockCount = 0;
    m_clockShown = 0;
    m_target.reset();
    m_outcome = SearchOutcome::None;
    m_manual = false;
    m_deal.deal(m_random);
    return true;
}
