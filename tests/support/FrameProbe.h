#pragma once

#include "FrameMetrics.h"
#include "PictureButton.h"
#include "SkinnedWindow.h"
#include "ToolbarIdentity.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest>

// A skinned window laid out the way the main window uses the toolkit: four
// toolbar buttons with captions, a tab, a two-state button and a load
// button. Shared by the frame and pop-up suites.
class FrameProbe : public SkinnedWindow
{
public:
    FrameProbe(const Workspace &ws, const QString &focusField, bool maximise = false)
        : SkinnedWindow(ws, style(focusField, maximise))
    {
        for (int b = 1; b <= 4; ++b) {
            const QRect at(QPoint(20 + (b - 1) * 50, 60), Module5::kToolbarButtonSize);
            PictureButton *button = addButton(PictureButton::Rule::Toolbar,
                                              QStringLiteral("ToolBar0%1").arg(b), at);
            button->createCaption(QStringLiteral("lblTB0%1").arg(b),
                                  QRect(at.x(), at.bottom() + 1 - Module5::kToolbarCaptionSize.height(),
                                        Module5::kToolbarCaptionSize.width(),
                                        Module5::kToolbarCaptionSize.height()));
            button->setIdentity(Module5::ContentsToolbarIdentity(b, 1));
            toolbar << button;
        }
        tab = addButton(PictureButton::Rule::Tab, QStringLiteral("Tab01"),
                        QRect(QPoint(20, 30), Module5::kFrontTabSize));
        twoState = addButton(PictureButton::Rule::TwoState, QStringLiteral("ButTrash"),
                             QRect(QPoint(20, 130), Module5::kButtonSize));
        twoState->setBase(QStringLiteral("button"));
        load = addButton(PictureButton::Rule::TwoState, QStringLiteral("P1a"),
                         QRect(QPoint(120, 130), Module5::kLoadButtonSize));
        load->setBase(QStringLiteral("loadbutton"));
        setTitle(QStringLiteral("Tessaly"));
        setGeometry(100, 100, 400, 300);
    }

    // Tab position as the main window's txtTabPos would hold it.
    void applyTab(int tabPos)
    {
        for (int b = 1; b <= 4; ++b)
            toolbar.at(b - 1)->setIdentity(Module5::ContentsToolbarIdentity(b, tabPos));
    }

    QList<PictureButton *> toolbar;
    PictureButton *tab = nullptr;
    PictureButton *twoState = nullptr;
    PictureButton *load = nullptr;

private:
    static FrameStyle style(const QString &focusField, bool maximise)
    {
        FrameStyle s;
        s.focusField = focusField;
        s.icon = maximise ? QStringLiteral("Pencil.ico") : QStringLiteral("QVicon.ico");
        s.maximiseButton = maximise;
        return s;
    }
};

namespace FrameTest {

// Centre of a widget in screen pixels.
inline QPoint centreOf(const QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}

// A press, a move by `delta` and a release on `handle`, with explicit
// screen positions so the result does not depend on where the window is.
inline void drag(QWidget *handle, const QPoint &delta, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint local = handle->rect().center();
    const QPoint global = handle->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent move(QEvent::MouseMove, local + delta, global + delta, Qt::NoButton, button,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + delta, global + delta, button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
}

} // namespace FrameTest
