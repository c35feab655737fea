#pragma once

#include "PictureButton.h"
#include "Workspace.h"

#include <QList>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <memory>

class FocusMark;
class PictureBox;
class PictureCache;
class QLabel;
class QLineEdit;
class QTimer;
class WindowDragger;

// What differs between the skinned windows.
struct FrameStyle {
    enum class Outline { MainWindow, PopUp };
    Outline outline = Outline::MainWindow; // 12 points, or 18 with rounded bottom corners
    QString focusField;          // activation flag's object name; empty: always drawn active
    QString icon;                // ImgIco's picture; empty: no icon
    bool windowButtons = true;   // imgProgClose and imgProgMin
    bool maximiseButton = false; // imgProgMax
    QString titleName = QStringLiteral("Title");
};

// A frameless window that draws its own frame from the Graphics pictures:
// top-bar pieces BTopLeft/BTopCentre/BTopRight, edges BLeft/BRight/BBot and
// bottom corners BBotLeft/BBotRight, the Title label, the icon ImgIco and the
// window buttons imgProgClose/imgProgMin/imgProgMax. It is clipped to its
// rounded outline after every resize, dragged by its top-bar pieces and
// title, and paints its top bar blue while active and white while not, with
// its activation flag field ("1"/"0").
//
// Timer1 (100 ms, started by startTimer1 at the end of the subclass's
// loading) runs Timer1_Timer, which by default sets the pictures of every
// button given to watchButton from the cursor position, and of the window
// buttons while the window is active. A subclass adds its own per-tick work
// by overriding Timer1_Timer and calling the base. Toolbar buttons set the
// window's press flag txtPressTrack while a mouse button is held on them.
class SkinnedWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Piece { TopLeft, TopCentre, TopRight, Left, Right, Bottom, BottomLeft, BottomRight };

    SkinnedWindow(const Workspace &workspace, FrameStyle style, QWidget *parent = nullptr);
    ~SkinnedWindow() override;

    const Workspace &workspace() const { return m_workspace; }
    PictureCache &pictures() const { return *m_pictures; }
    const FrameStyle &frameStyle() const { return m_style; }

    // The window's caption and its Title label, which sizes itself to it.
    void setTitle(const QString &title);
    QLabel *titleLabel() const { return m_title; }
    PictureBox *piece(Piece piece) const;
    PictureBox *icon() const { return m_icon; }
    PictureButton *closeButton() const { return m_close; }
    PictureButton *minButton() const { return m_min; }
    PictureButton *maxButton() const { return m_max; }
    WindowDragger *dragger() const { return m_dragger; }
    FocusMark *focusMark() const { return m_focusMark; }

    // ContentsFocus, Test1Focus, Test2Focus: "1" while active. Null when the
    // style names none (the pop-up, always drawn active).
    QLineEdit *focusFlag() const { return m_focusFlag; }
    bool isActiveFlagSet() const;
    // txtPressTrack: "1" from a press on a toolbar button to its release.
    QLineEdit *pressTrack() const { return m_pressTrack; }
    bool isPressFlagSet() const;
    // A hidden text box holding window state, found by its object name.
    static QLineEdit *makeHiddenField(const QString &name, const QString &text, QWidget *parent);
    // Every picture the frame of `style` shows at rest, active or not.
    static QStringList framePictures(const FrameStyle &style);

    QTimer *timer1() const { return m_timer1; }
    void startTimer1();

    // A button Timer1 looks after, made as a child of `parent` (the window
    // when null) at `geometry`.
    PictureButton *addButton(PictureButton::Rule rule, const QString &objectName,
                             const QRect &geometry, QWidget *parent = nullptr);
    void watchButton(PictureButton *button);

    // The picture part of a tick, at once.
    void refreshPictures();

    // Clips the window to its outline for its current size.
    void pRoundCorners();
    const QRegion &outline() const { return m_outline; }
    // The client area inside the frame pieces.
    QRect contentRect() const;

    // Maximised fills the screen's available area; normal returns to the
    // size and place the window had before.
    void setMaximised(bool maximised);
    bool maximised() const { return m_maximised; }

signals:
    void activationChanged(bool active);

protected:
    virtual void Timer1_Timer();
    virtual void imgProgClose_Click();
    virtual void imgProgMin_Click();
    virtual void imgProgMax_Click();
    // Activation painting: title colour, flag, top bar and window buttons.
    virtual void Form_Activate();
    virtual void Form_Deactivate();
    // Frame pieces, then layoutTopBar, then pRoundCorners.
    virtual void layoutFrame();
    virtual void layoutTopBar();

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    PictureBox *makePiece(const char *name, const QString &picture);
    PictureButton *makeWindowButton(const char *name, const QString &tooltip);
    void hoverWindowButtons(const QPoint &cursor);
    void setPressFlag(bool pressed);

    Workspace m_workspace;
    std::shared_ptr<PictureCache> m_pictures;
    FrameStyle m_style;
    QList<PictureBox *> m_pieces;
    QLabel *m_title = nullptr;
    PictureBox *m_icon = nullptr;
    PictureButton *m_close = nullptr;
    PictureButton *m_min = nullptr;
    PictureButton *m_max = nullptr;
    QLineEdit *m_focusFlag = nullptr;
    QLineEdit *m_pressTrack = nullptr;
    QTimer *m_timer1 = nullptr;
    WindowDragger *m_dragger = nullptr;
    FocusMark *m_focusMark = nullptr;
    QList<QPointer<PictureButton>> m_buttons;
    QRegion m_outline;
    QRect m_normalGeometry;
    bool m_maximised = false;
};
