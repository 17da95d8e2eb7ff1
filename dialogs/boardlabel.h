#pragma once

#include <QAbstractButton>

// One number of the manual set-up's board: a light grey tile, blue with white text when
// chosen. Checkable, so that screen readers hear its number and whether it is chosen; the
// dialog decides the state (a click only asks). Arrow keys ask the dialog to move the focus.
class BoardLabel : public QAbstractButton {
    Q_OBJECT

public:
    explicit BoardLabel(const QString& number, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void arrowPressed(int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void nextCheckState() override {}
};
