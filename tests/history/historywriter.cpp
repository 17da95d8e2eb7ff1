// historywriter FOLDER COUNT: adds COUNT rounds to the history in FOLDER and completes each,
// as a game does; exits with 1 when the history turned off.
#include "historystore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    HistoryStore store(QString::fromLocal8Bit(argv[1]));
    const int count = QByteArray(argv[2]).toInt();
    for (int i = 0; i < count && store.usable(); ++i) {
        RoundRecord round;
        round.playedAt = 1714521600 + i;
        round.numbers = {100, 75, 50, 25, 6, 3};
        round.target = 952;
        if (const std::optional<std::int64_t> id = store.save(round)) {
            round.id = *id;
            round.best = 952;
            store.save(round);
        }
    }
    if (!store.usable())
        std::fprintf(stderr, "%s\n", qPrintable(store.message()));
    return store.usable() ? 0 : 1;
}
