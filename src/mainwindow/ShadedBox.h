#pragma once

#include <QColor>
#include <QWidget>

// A painted background: a vertical gradient in a rounded outline, drawn at
// the device's resolution so it stays crisp at any size and scale. Serves
// the tab strip, the report's section bars and the panels' cards.
class ShadedBox : public QWidget
{
    Q_OBJECT
public:
    struct Style {
        QColor top, bottom; // gradient; the same colour for a flat fill
        QColor outline;     // invalid: none
        double radius = 0;
        QColor topLine;    // an extra line along the top edge, or invalid
        QColor bottomLine; // along the bottom edge, or invalid
    };

    explicit ShadedBox(const Style &style, QWidget *parent = nullptr);

    void setStyle(const Style &style);

    static Style strip();          // the tab strip under the tabs
    static Style sectionBar();     // a report section's header bar
    static Style openSectionBar(); // the bar of the open section
    static Style cardStyle();      // a white card with a light outline
    static Style frameStyle();     // an outline on the panel colour, for pictures to sit in

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Style m_style;
};
