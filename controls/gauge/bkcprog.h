#pragma once

#include <QImage>
#include <QWidget>

// Circular progress gauge: a disc with a sector that grows with Value in Min..Max.
class bkCProg : public QWidget {
    Q_OBJECT

public:
    explicit bkCProg(QWidget* parent = nullptr);

    int max() const { return m_max; }
    void setMax(int value);

    // The default member: the round clock assigns it on every tick.
    int value() const { return m_value; }
    void setValue(int value);

    bool showValue() const { return m_showValue; }
    void setShowValue(bool on);

    void Repaint();

signals:
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_min = 0;
    int m_max = 100;
    int m_value = 50;
    bool m_showValue = false;
    QImage m_image;
};
