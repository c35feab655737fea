#pragma once

#include "PictureBox.h"
#include "ToolbarIdentity.h"

#include <QPointer>

#include <QLabel>

// A button made of pictures. It does not react to the mouse entering or
// leaving: its window's Timer1 calls hover() every tick with the cursor
// position and the window's press flag, and the button picks its picture by
// its rule:
//   TwoState  outside / inside pictures (button, loadbutton, window buttons);
//   Toolbar   base_off / base_on / base_pressed, base_disabled when unavailable;
//   Tab       tabs_front_* for the current tab, tabs_back_* for the others.
// A caption label lying over the button (setCaption) forwards presses and
// clicks to it. An unavailable (disabled) button ignores clicks, also on its
// caption. A button given a focus policy is pressed with Enter or Space; it
// takes no focus unless given one. Button and caption tell accessibility
// tools they are buttons.
class PictureButton : public PictureBox
{
    Q_OBJECT
public:
    enum class Rule { TwoState, Toolbar, Tab };

    PictureButton(PictureCache &cache, Rule rule, QWidget *parent = nullptr);

    Rule rule() const { return m_rule; }

    // TwoState: base + "_off.bmp" / "_on.bmp"; Toolbar: base + "_" + state.
    void setBase(const QString &base);
    const QString &base() const { return m_base; }
    // TwoState with pictures that do not follow the base-name scheme.
    void setTwoStatePictures(const QString &outside, const QString &inside);

    void setCurrentTab(bool current);
    bool isCurrentTab() const { return m_currentTab; }

    // Unavailable: the disabled picture at once, and no clicks.
    void setAvailable(bool available);
    bool isAvailable() const { return isEnabled(); }

    // A label over (part of) the button: its clicks are the button's, its
    // tooltip the button's. createCaption makes one in the label font with
    // centred text, as a sibling of the button at `geometry`.
    void setCaption(QLabel *caption);
    QLabel *createCaption(const QString &objectName, const QRect &geometry);
    QLabel *caption() const { return m_caption; }

    // Caption text, tooltips of button and caption, pictures and visibility;
    // only what differs from the current identity is touched.
    void setIdentity(const ToolbarIdentity &identity);
    void setTips(const QString &tooltip);

    // The button's window rectangle on the screen, as the hit test uses it.
    QRect screenRect() const;
    // Sets the picture for a cursor at `cursor` (screen pixels).
    void hover(const QPoint &cursor, bool pressFlag);

    // What a click does: clicked(), unless the button is unavailable.
    void click();

signals:
    // The keyboard focus came to the button.
    void focusEntered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void handleClick() override { click(); }

private:
    void showRestingPicture();

    Rule m_rule;
    QString m_base;
    QString m_outside, m_inside;
    bool m_currentTab = false;
    QPointer<QLabel> m_caption;
};
