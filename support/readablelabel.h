#pragma once

#include <QLabel>

// A label that assistive technology reads as text: its accessible name says what the label is
// ("Target"), the text interface gives what it shows ("523"), read afresh on every request.
// A plain QLabel offers its text only as its name, so naming it would hide the text.
class ReadableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ReadableLabel(QWidget* parent = nullptr);
};
