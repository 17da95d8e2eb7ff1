#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;

// The modal about window: title, version line, credit, a picture of the game's clock, and
// the mail and web links, which go to the link-opening service; failures to open are
// silent. Controls carry their names as object names: Label1..Label6, Image1, ButtonEx1.
class AboutFrm : public QDialog {
    Q_OBJECT

public:
    explicit AboutFrm(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Label4_Click();
    void Label6_Click();
    void setLinkColour(QLabel* link, std::uint32_t colour);
    void restoreLinkColours();

    QLabel* m_label4 = nullptr;
    QLabel* m_label6 = nullptr;
};
