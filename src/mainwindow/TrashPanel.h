#pragma once

#include "ResultsStore.h"

#include <QWidget>

#include <functional>

class PictureButton;
class QLabel;
class SkinnedWindow;

// Body_Trash: erasing all past results with a confirmation inside the panel.
// Offer (Trashlbl1, ButTrash) -> "Trash" -> Confirm (Trashlbl2, ButTrash_Yes,
// ButTrash_No) -> "Yes" -> Done (Trashlbl3); "No" goes back to Offer.
class TrashPanel : public QWidget
{
    Q_OBJECT
public:
    enum class State { Offer, Confirm, Done };

    TrashPanel(SkinnedWindow &window, QWidget *parent);

    State state() const { return m_state; }
    // Offer; run whenever the panel is shown.
    void reset();

    void ButTrash_Click();
    void ButTrash_Yes_Click();
    void ButTrash_No_Click();

    // What Tab stops at: the buttons shown.
    QList<QWidget *> focusStops() const;

    // Run on "Yes" before the panel shows Done; what it came to is what the
    // panel then says.
    void setEraser(std::function<SaveResult()> eraser) { m_eraser = std::move(eraser); }

private:
    void setState(State state);

    State m_state = State::Offer;
    std::function<SaveResult()> m_eraser;
    QLabel *m_lbl1 = nullptr;
    QLabel *m_lbl2 = nullptr;
    QLabel *m_lbl3 = nullptr;
    PictureButton *m_trash = nullptr;
    PictureButton *m_yes = nullptr;
    PictureButton *m_no = nullptr;
};
